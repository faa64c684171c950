#include "almanac/DateWin.h"
#include "ui_DateWin.h"

#include <QLabel>
#include <QSpinBox>
#include <QtTest>

using namespace yav;

class TestDateWin : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TFRM_Date> m_window;

    void open(DayNumber date)
    {
        m_window = std::make_unique<TFRM_Date>();
        m_window->setShownDate(date);
        m_window->show();
    }
    Ui::TFRM_Date& ui() const { return *m_window->ui(); }
    static QString colourOf(const QWidget* w) { return w->palette().color(QPalette::WindowText).name().toUpper(); }
    // The highlight box sits 1 px left of and 1 px below the day number of its cell.
    QPoint highlightFor(int cell) const { return m_window->dayLabel(cell)->pos() + QPoint(-1, 1); }
    int usedCells() const
    {
        int n = 0;
        for (int i = 1; i <= TFRM_Date::CellCount; ++i)
            n += !m_window->dayLabel(i)->isHidden();
        return n;
    }

private slots:
    void cleanup() { m_window.reset(); }

    void labels_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("cell");
        QTest::addColumn<int>("day");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("colour");
        // February 2024 begins on a Thursday: the 1st is cell 5.
        QTest::newRow("2024-02-01") << 2024 << 2 << 5 << 1 << "廿二" << "#004000";
        QTest::newRow("立春") << 2024 << 2 << 8 << 4 << "立春" << "#5353FF";
        QTest::newRow("除夕") << 2024 << 2 << 13 << 9 << "除夕" << "#FF8000";
        QTest::newRow("春节 over 正月") << 2024 << 2 << 14 << 10 << "春节" << "#FF8000";
        QTest::newRow("情人节") << 2024 << 2 << 18 << 14 << "情人节" << "#FF8000";
        QTest::newRow("元宵节") << 2024 << 2 << 28 << 24 << "元宵节" << "#FF8000";
        QTest::newRow("2024-02-29") << 2024 << 2 << 33 << 29 << "二十" << "#004000";
        QTest::newRow("month name in red") << 2024 << 3 << 15 << 10 << "二月" << "#FF0000";
        // March 2025 begins on a Saturday and needs all 37 cells.
        QTest::newRow("2025-03-01") << 2025 << 3 << 7 << 1 << "初二" << "#004000";
        QTest::newRow("2025-03-31 in cell 37") << 2025 << 3 << 37 << 31 << "初三" << "#004000";
        QTest::newRow("妇女节") << 2025 << 3 << 14 << 8 << "妇女节" << "#FF8000";
    }
    void labels()
    {
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, cell);
        QFETCH(int, day);
        QFETCH(QString, text);
        QFETCH(QString, colour);
        open(toDayNumber(year, month, 1));
        QLabel* dayLabel = m_window->findChild<QLabel*>(QStringLiteral("DayLabel%1").arg(cell));
        QLabel* lunarLabel = m_window->findChild<QLabel*>(QStringLiteral("LunarLabel%1").arg(cell));
        QVERIFY(dayLabel && lunarLabel);
        QVERIFY(dayLabel->isVisible() && lunarLabel->isVisible());
        QCOMPARE(dayLabel->text(), QString::number(day));
        QCOMPARE(lunarLabel->text(), text);
        QCOMPARE(colourOf(lunarLabel), colour);
        QCOMPARE(colourOf(dayLabel), QStringLiteral("#000000"));
        QCOMPARE(ui().Label1->text(), QString::number(year));
        QCOMPARE(ui().Label20->text(), QString::number(year));
        QCOMPARE(ui().Label17->text(), QString::number(month));
        QCOMPARE(ui().Label16->text(), QString::number(month));
    }

    void gridShape()
    {
        open(toDayNumber(2025, 3, 1));
        QCOMPARE(usedCells(), 31);
        QVERIFY(m_window->dayLabel(6)->isHidden() && !m_window->dayLabel(37)->isHidden());
        // Cell 37 lies in the sixth row, second column.
        const QPoint first = m_window->dayLabel(1)->pos();
        QCOMPARE(m_window->dayLabel(37)->pos(), first + QPoint(42, 5 * 32));
        QCOMPARE(m_window->lunarLabel(37)->pos(), m_window->dayLabel(37)->pos() + QPoint(-1, 17));
        QCOMPARE(m_window->dayLabel(7)->pos(), first + QPoint(6 * 42, 0));

        open(toDayNumber(2015, 2, 1)); // a 28-day February from a Sunday: four rows exactly
        QCOMPARE(usedCells(), 28);
        QCOMPARE(m_window->dayLabel(1)->text(), QStringLiteral("1"));
        QVERIFY(m_window->dayLabel(29)->isHidden() && m_window->lunarLabel(29)->isHidden());
    }

    void animalAndStarSignFollowTheHighlight()
    {
        open(toDayNumber(2024, 2, 9));
        QCOMPARE(ui().Label21->text(), QStringLiteral("卯兔"));
        QCOMPARE(ui().Label22->text(), QStringLiteral("水瓶座"));
        QCOMPARE(ui().Shape2->pos(), highlightFor(13));
        QCOMPARE(ui().UpDown1->value(), 2024);
        QCOMPARE(ui().UpDown2->value(), 2);

        open(toDayNumber(2024, 2, 10));
        QCOMPARE(ui().Label21->text(), QStringLiteral("辰龙"));
        QCOMPARE(ui().Shape2->pos(), highlightFor(14));
    }

    void spinnersClampTheRememberedDay()
    {
        open(toDayNumber(2024, 1, 31));
        ui().UpDown2->setValue(2);
        QCOMPARE(ui().Label17->text(), QStringLiteral("2"));
        QCOMPARE(ui().Shape2->pos(), highlightFor(33)); // 29 February 2024
        QCOMPARE(ui().Label22->text(), QStringLiteral("双鱼座"));
        ui().UpDown1->setValue(2023);
        QCOMPARE(ui().Shape2->pos(), highlightFor(3 + 28)); // 28 February 2023, from a Wednesday
        ui().UpDown2->setValue(3);                           // the 31st is remembered
        QCOMPARE(ui().Shape2->pos(), highlightFor(3 + 31));  // March 2023 begins on a Wednesday
        QCOMPARE(m_window->shownDate(), toDayNumber(2024, 1, 31)); // moves do not change ShownDate
    }

    void clickingADay()
    {
        open(toDayNumber(2024, 2, 9));
        QTest::mouseClick(m_window->lunarLabel(20), Qt::LeftButton); // 16 February
        QCOMPARE(ui().Shape2->pos(), highlightFor(20));
        QCOMPARE(m_window->shownDate(), toDayNumber(2024, 2, 16));
        QCOMPARE(ui().Label22->text(), QStringLiteral("水瓶座")); // nothing is redrawn
        QCOMPARE(ui().Label21->text(), QStringLiteral("卯兔"));

        QTest::mouseClick(m_window->dayLabel(33), Qt::LeftButton); // 29 February
        QCOMPARE(ui().Shape2->pos(), highlightFor(33));
        ui().UpDown2->setValue(3);
        QCOMPARE(ui().Shape2->pos(), highlightFor(5 + 29)); // 29 March 2024, from a Friday
        QCOMPARE(ui().Label22->text(), QStringLiteral("白羊座"));

        // Any button moves the box; only the left one records the day.
        QTest::mouseClick(m_window->dayLabel(10), Qt::RightButton);
        QCOMPARE(ui().Shape2->pos(), highlightFor(10));
        QCOMPARE(m_window->shownDate(), toDayNumber(2024, 2, 29));
    }

    void todayAndTheSpinnerLabels()
    {
        open(toDayNumber(2030, 7, 4));
        QVERIFY(ui().UpDown1->isVisible() && ui().UpDown2->isVisible());
        QTest::mouseClick(ui().Label1, Qt::LeftButton);
        QVERIFY(ui().UpDown1->isVisible() && !ui().UpDown2->isVisible());
        QTest::mouseClick(ui().Label17, Qt::LeftButton);
        QVERIFY(!ui().UpDown1->isVisible() && ui().UpDown2->isVisible());

        QTest::mouseClick(ui().StaticText1, Qt::LeftButton);
        const Ymd now = toYmd(today());
        QCOMPARE(m_window->shownDate(), today());
        QCOMPARE(ui().Label1->text(), QString::number(now.year));
        QCOMPARE(ui().Label17->text(), QString::number(now.month));
        const int cell = weekday(toDayNumber(now.year, now.month, 1)) + now.day;
        QCOMPARE(ui().Shape2->pos(), highlightFor(cell));
    }

    void outsideTheLibrarysYears()
    {
        open(toDayNumber(2060, 5, 15));
        QCOMPARE(ui().Label1->text(), QStringLiteral("2060"));
        QCOMPARE(ui().UpDown1->value(), 2050); // held at its limit
        const int first = weekday(toDayNumber(2060, 5, 1)); // cell of day d: first + d
        QCOMPARE(m_window->lunarLabel(first + 3)->text(), QString()); // no lunar text
        QCOMPARE(m_window->dayLabel(first + 3)->text(), QStringLiteral("3"));
        QCOMPARE(m_window->lunarLabel(first + 4)->text(), QStringLiteral("青年节")); // solar festivals still show
        QCOMPARE(ui().Shape2->pos(), highlightFor(first + 15));
        QCOMPARE(usedCells(), 31);
        ui().UpDown2->setValue(6); // the month moves within 2060
        QCOMPARE(ui().Label1->text(), QStringLiteral("2060"));
        QCOMPARE(ui().Label17->text(), QStringLiteral("6"));
    }

    void closesWhenDeactivated()
    {
        open(toDayNumber(2024, 2, 9));
        m_window->activateWindow();
        if (!QTest::qWaitForWindowActive(m_window.get()))
            QSKIP("this platform does not activate windows");
        QWidget other;
        other.show();
        other.activateWindow();
        QTRY_VERIFY(!m_window->isVisible());
    }
};

QTEST_MAIN(TestDateWin)
#include "test_datewin.moc"
