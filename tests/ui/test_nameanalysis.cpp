#include "core/datafiles.h"
#include "gui/messages.h"
#include "gui/printtext.h"
#include "gui/savetext.h"
#include "numerology/Unt_Main.h"
#include "support/testenv.h"
#include "ui_Unt_Main.h"

#include <QApplication>
#include <QDate>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <filesystem>

using namespace yav;

class TestNameAnalysis : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TFrmmain> m_window;

    Ui::TFrmmain& u() { return *m_window->ui(); }
    QString report() { return u().RzMemo1->toPlainText(); }
    void fillDefaults(const QString& family, const QString& given)
    {
        m_window->fill(family, QStringLiteral("男"), QStringLiteral("2000"), QStringLiteral("02"), QStringLiteral("05"),
                       QStringLiteral("巳 10"), QStringLiteral("05"), 0, given);
    }
    static QString ageLine(const QString& name, int birthYear)
    {
        return name + QStringLiteral(",您今年:") + QString::number(QDate::currentDate().year() - birthYear) + QStringLiteral("岁");
    }

private slots:
    void initTestCase() { messages::setRecording(true); }
    void init()
    {
        setDataFolder(test::fixtureDir());
        messages::clearTaken();
        m_window = std::make_unique<TFrmmain>();
    }
    void cleanup()
    {
        m_window.reset();
        setSaveDialogAnswer(nullptr);
        setDefaultPrinterOverride(nullptr);
    }

    void controlsAndDefaults()
    {
        QCOMPARE(m_window->windowTitle(), QStringLiteral("姓名分析"));
        QCOMPARE(u().Sex->currentText(), QStringLiteral("男"));
        QCOMPARE(u().Sex->count(), 2);
        QCOMPARE(u().ComDate->currentIndex(), 0);
        QCOMPARE(u().ComDate->itemText(1), QStringLiteral("农历"));
        QCOMPARE(u().SYear->currentText(), QStringLiteral("1980"));
        QCOMPARE(u().SYear->count(), 141);
        QCOMPARE(u().SMonth->currentText(), QStringLiteral("1"));
        QCOMPARE(u().SMonth->itemText(11), QStringLiteral("12"));
        QCOMPARE(u().Sday->currentText(), QStringLiteral("1"));
        QCOMPARE(u().Sday->count(), 31);
        QCOMPARE(u().Shour->currentText(), QStringLiteral("子 0"));
        QCOMPARE(u().Shour->itemText(23), QStringLiteral("子 23"));
        QCOMPARE(u().RzComboBox8->currentText(), QStringLiteral("0"));
        QCOMPARE(u().RzComboBox8->itemText(59), QStringLiteral("59"));
        QCOMPARE(u().RzButton1->text(), QStringLiteral("姓名分析"));
        QCOMPARE(u().RzBitBtnprint->text(), QStringLiteral("打印"));
        QCOMPARE(u().BitBtnsave->text(), QStringLiteral("保存"));
        QCOMPARE(u().RzBitBtn4->text(), QStringLiteral("退出"));
        QCOMPARE(u().Label20->text(), QStringLiteral("请填写姓名和生日信息，最后点姓名分析测算！"));
        QVERIFY(u().RzMemo1->isReadOnly());
        QVERIFY(report().isEmpty());
        // Four GBK bytes per name: two Chinese characters, or four letters.
        for (QLineEdit* e : {u().NameA, u().NameB}) {
            e->insert(QStringLiteral("欧阳"));
            e->insert(QStringLiteral("明"));
            QCOMPARE(e->text(), QStringLiteral("欧阳"));
            e->clear();
            QTest::keyClicks(e, QStringLiteral("abcde"));
            QCOMPARE(e->text(), QStringLiteral("abcd"));
        }
    }

    void fillAndAnalyseOnShow_data()
    {
        QTest::addColumn<QString>("sex");
        QTest::addColumn<int>("calendar");
        QTest::addColumn<QString>("sexShown");
        QTest::addColumn<int>("calendarShown");
        QTest::newRow("男 solar") << "男" << 0 << "男" << 0;
        QTest::newRow("女 lunar") << "女" << 1 << "女" << 1;
        QTest::newRow("empty sex") << "" << 0 << "女" << 0;
        QTest::newRow("other sex") << "M" << 0 << "女" << 0;
    }
    void fillAndAnalyseOnShow()
    {
        QFETCH(QString, sex);
        QFETCH(int, calendar);
        QFETCH(QString, sexShown);
        QFETCH(int, calendarShown);
        m_window->fill(QStringLiteral("王"), sex, QStringLiteral("2023"), QStringLiteral("02"), QStringLiteral("01"),
                       QStringLiteral("亥 22"), QStringLiteral("07"), calendar, QStringLiteral("安家"));
        QCOMPARE(u().Sex->currentText(), sexShown);
        QCOMPARE(u().ComDate->currentIndex(), calendarShown);
        QCOMPARE(u().SMonth->currentText(), QStringLiteral("02"));
        QCOMPARE(u().Shour->currentText(), QStringLiteral("亥 22"));
        QVERIFY(report().isEmpty());
        m_window->show();
        const QStringList lines = report().split(QLatin1Char('\n'));
        QCOMPARE(lines.value(0), ageLine(QStringLiteral("王安家"), 2023));
        // A lunar 2023 二月初一 is the solar 2023-02-20.
        QCOMPARE(lines.value(1), calendar ? QStringLiteral("您出生公历: 2023年02月20日22点07分")
                                          : QStringLiteral("您出生公历: 2023年02月01日22点07分"));
        QCOMPARE(lines.value(5), QStringLiteral("综合评分: 95分"));
        QCOMPARE(lines.size(), 40);
        QCOMPARE(m_window->focusWidget(), u().NameA);
        QVERIFY(messages::taken().isEmpty());
    }

    // ShowNameAnalysis as the main window calls it: a double click on 欧阳明轩(95分) with 欧阳 in
    // the family field hands over 明轩, and the report is there as soon as the window opens.
    void handOffFromTheHighScoreList()
    {
        const QString given = handOffGivenName(QStringLiteral("欧阳明轩(95分)"), QStringLiteral("欧阳"));
        QCOMPARE(given, QStringLiteral("明轩"));
        QString seenGiven, seenReport;
        QWidget* seenFocus = nullptr;
        QTimer::singleShot(0, this, [&] {
            auto* w = qobject_cast<TFrmmain*>(QApplication::activeModalWidget());
            QVERIFY(w);
            seenGiven = w->ui()->NameB->text();
            seenReport = w->ui()->RzMemo1->toPlainText();
            seenFocus = w->focusWidget() == w->ui()->NameA ? w->ui()->NameA : nullptr;
            w->ui()->RzBitBtn4->click();
        });
        ShowNameAnalysis(nullptr, QStringLiteral("欧阳"), QStringLiteral("男"), QStringLiteral("2010"), QStringLiteral("01"),
                         QStringLiteral("01"), QStringLiteral("子 0"), QStringLiteral("01"), 0, given);
        QCOMPARE(seenGiven, QStringLiteral("明轩"));
        QVERIFY(seenReport.startsWith(ageLine(QStringLiteral("欧阳明轩"), 2010) + QStringLiteral("\n您出生公历: 2010年01月01日0点01分\n")));
        QVERIFY(seenFocus);
    }

    // "名字详解" hands over no given name: the window waits for one.
    void openWithoutGivenName()
    {
        QString seenFamily, seenReport, seenYear;
        bool focused = false;
        QTimer::singleShot(0, this, [&] {
            auto* w = qobject_cast<TFrmmain*>(QApplication::activeModalWidget());
            QVERIFY(w);
            seenFamily = w->ui()->NameA->text();
            seenYear = w->ui()->SYear->currentText();
            seenReport = w->ui()->RzMemo1->toPlainText();
            focused = w->focusWidget() == w->ui()->NameA;
            w->close();
        });
        ShowNameAnalysis(nullptr, QStringLiteral("王"), QStringLiteral("男"), QStringLiteral("2010"), QStringLiteral("01"),
                         QStringLiteral("01"), QStringLiteral("子 0"), QStringLiteral("01"), 0, QString());
        QCOMPARE(seenFamily, QStringLiteral("王"));
        QCOMPARE(seenYear, QStringLiteral("2010"));
        QVERIFY(seenReport.isEmpty());
        QVERIFY(focused);
        QVERIFY(messages::taken().isEmpty());
    }

    void wrongInputIsToldAndTheReportStays()
    {
        fillDefaults(QStringLiteral("王"), QStringLiteral("安家"));
        u().RzButton1->click();
        const QString first = report();
        QVERIFY(first.startsWith(ageLine(QStringLiteral("王安家"), 2000)));

        struct Step {
            QComboBox* box;
            QString text;
            QString message;
        };
        const Step steps[] = {
            {u().Sday, QStringLiteral("30"), QStringLiteral("info: 公历2000年02月30日不是有效的日期，请重新选择出生日期!")},
            {u().Shour, QStringLiteral(" "), QStringLiteral("info: 请选择出生小时!")},
        };
        for (const auto& s : steps) {
            const QString before = s.box->currentText();
            s.box->setCurrentText(s.text);
            messages::clearTaken();
            u().RzButton1->click();
            QCOMPARE(messages::taken(), QStringList{s.message});
            QCOMPARE(report(), first);
            s.box->setCurrentText(before);
        }
        u().NameB->clear();
        messages::clearTaken();
        u().RzButton1->click();
        QCOMPARE(messages::taken(), QStringList{QStringLiteral("info: 名不能为空!")});
        u().NameA->clear();
        messages::clearTaken();
        u().RzButton1->click();
        QCOMPARE(messages::taken(), QStringList{QStringLiteral("info: 姓不能为空!")});

        // A lunar entry outside the calendar's years is told as well.
        fillDefaults(QStringLiteral("王"), QStringLiteral("明"));
        u().ComDate->setCurrentIndex(1);
        u().SYear->setCurrentText(QStringLiteral("1900"));
        messages::clearTaken();
        u().RzButton1->click();
        QCOMPARE(messages::taken().size(), 1);
        QVERIFY(messages::taken().first().contains(QStringLiteral("1901年至2099年")));
        QCOMPARE(report(), first);

        // Another name replaces the report.
        u().ComDate->setCurrentIndex(0);
        u().SYear->setCurrentText(QStringLiteral("2000"));
        u().RzButton1->click();
        QVERIFY(report().startsWith(ageLine(QStringLiteral("王明"), 2000)));
    }

    void databaseErrorIsShown()
    {
        fillDefaults(QStringLiteral("王"), QStringLiteral("安家"));
        setDataFolder("/nonexistent");
        u().RzButton1->click();
        QCOMPARE(messages::taken().size(), 1);
        QVERIFY(messages::taken().first().startsWith(QStringLiteral("error: 读取姓名数据时出错")));
        QCOMPARE(report().split(QLatin1Char('\n')).size(), 5); // the header written before the failure
    }

    void saveTheReport()
    {
        QTemporaryDir dir;
        QStringList proposals;
        QString chosen = dir.filePath(QStringLiteral("报告"));
        setSaveDialogAnswer([&](const QString& proposed) -> std::optional<QString> {
            proposals << proposed;
            return chosen;
        });
        u().BitBtnsave->click(); // nothing to save yet
        QVERIFY(proposals.isEmpty());

        fillDefaults(QStringLiteral(" 王 "), QStringLiteral("安家"));
        u().RzButton1->click();
        u().BitBtnsave->click();
        QCOMPARE(proposals, QStringList{QStringLiteral("王安家")});
        QFile f(chosen + QStringLiteral(".txt"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        QVERIFY(bytes.startsWith("\xCD\xF5\xB0\xB2\xBC\xD2,")); // 王安家, in GBK
        QCOMPARE(bytes.count("\r\n"), 40);
        QVERIFY(bytes.endsWith("-->\r\n"));

        // A failed write is told.
        chosen = dir.filePath(QStringLiteral("missing/报告"));
        messages::clearTaken();
        u().BitBtnsave->click();
        QCOMPARE(messages::taken().size(), 1);
        QVERIFY(messages::taken().first().startsWith(QStringLiteral("info: 文件保存失败")));
    }

    void printTheReport()
    {
        setDefaultPrinterOverride([] { return QString(); });
        u().RzBitBtnprint->click(); // empty report: nothing to print
        QVERIFY(messages::taken().isEmpty());
        fillDefaults(QStringLiteral("王"), QStringLiteral("安家"));
        u().RzButton1->click();
        u().RzBitBtnprint->click();
        QCOMPARE(messages::taken().size(), 1);
        QVERIFY(messages::taken().first().contains(QStringLiteral("打印机")));
    }
};

QTEST_MAIN(TestNameAnalysis)
#include "test_nameanalysis.moc"
