// The naming workbench in the main window, offscreen: the plan list, runs on the worker, the
// result lists, copying, saving and printing.
#include "core/datafiles.h"
#include "core/gbk.h"
#include "gui/messages.h"
#include "gui/printtext.h"
#include "gui/qtext.h"
#include "gui/savetext.h"
#include "naming/VevizeMain.h"
#include "support/testenv.h"
#include "ui_VevizeMain.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPageLayout>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QtTest>

#include <functional>

using namespace yav;

namespace {

const QStringList WangAllPlans = {
    // Two groups of nine from the odd and the even ranks of 19 rows, then the 19th.
    QStringLiteral("王林宇(90分)"), QStringLiteral("王林光(90分)"), QStringLiteral("王昊旭(90分)"),
    QStringLiteral("王俊林(9分)"),  QStringLiteral("王星林(9分)"),  QStringLiteral("王宇轩(95分)"),
    QStringLiteral("王光轩(95分)"), QStringLiteral("王旭哲(95分)"), QStringLiteral("王宇峰(95分)"),
    QStringLiteral("王林旭(90分)"), QStringLiteral("王昊宇(90分)"), QStringLiteral("王昊光(90分)"),
    QStringLiteral("王俊昊(9分)"),  QStringLiteral("王星昊(9分)"),  QStringLiteral("王旭轩(95分)"),
    QStringLiteral("王宇哲(95分)"), QStringLiteral("王光哲(95分)"), QStringLiteral("王旭峰(95分)"),
    QStringLiteral("王光峰(95分)"),
};

} // namespace

class TestWorkbench : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<DIzoDuzede> m_window;
    Ui::DIzoDuzede& u() const { return *m_window->ui(); }

    void leave(QWidget* w)
    {
        QFocusEvent out(QEvent::FocusOut);
        QApplication::sendEvent(w, &out);
    }
    void setFamily(const QString& family)
    {
        u().Xing->setText(family);
        leave(u().Xing);
    }
    void choose(QComboBox* box, int index)
    {
        box->setCurrentIndex(index);
        emit box->activated(index);
    }
    void trigger(const char* action)
    {
        for (QAction* a : m_window->findChildren<QAction*>())
            if (a->objectName() == QLatin1String(action))
                return a->trigger();
        QFAIL(action);
    }
    QStringList plans() const
    {
        QStringList l;
        for (int i = 0; i < u().CBCode->count(); ++i)
            l << u().CBCode->itemText(i);
        return l;
    }
    QStringList fullNames() const
    {
        return u().MemoSuccess->toPlainText().split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    }
    QStringList highNames() const
    {
        QStringList l;
        for (int i = 0; i < u().ListBox1->count(); ++i)
            l << u().ListBox1->item(i)->text();
        return l;
    }
    // Waits until the list holds the expected names, and a little longer to see that no more come.
    void waitForNames(const QStringList& expected)
    {
        QTRY_COMPARE(fullNames(), expected);
        QTest::qWait(50);
        QCOMPARE(fullNames(), expected);
    }

private slots:
    void initTestCase()
    {
        messages::setRecording(true);
        DIzoDuzede::setExitHook([](int) {});
    }
    void init()
    {
        setDataFolder(test::fixtureDir());
        messages::clearTaken();
        m_window = std::make_unique<DIzoDuzede>();
    }
    void cleanup()
    {
        m_window.reset();
        setSaveDialogAnswer(nullptr);
        setDefaultPrinterOverride(nullptr);
    }

    void planListFollowsTheInputs()
    {
        setFamily(QStringLiteral(" 王 "));
        QCOMPARE(plans(), QStringList({QStringLiteral("电脑全自动"), QStringLiteral("4|6-10(95分)"),
                                       QStringLiteral("4|8-6(90分)"), QStringLiteral("4|9-8(9分)")}));
        QCOMPARE(u().CBCode->currentIndex(), 0);

        choose(u().CBXingshi, 1);
        QCOMPARE(plans(), QStringList({QStringLiteral("电脑全自动"), QStringLiteral("4|8(81分)"), QStringLiteral("4|6(100分)")}));
        choose(u().CBXingshi, 0);

        // The fixed character restricts the list from the next input event on.
        u().CBzhishukongz->setChecked(true);
        u().Gudingzi->setText(QStringLiteral("明"));
        QCOMPARE(plans().size(), 4);
        leave(u().Gudingzi);
        QCOMPARE(plans(), QStringList({QStringLiteral("电脑全自动"), QStringLiteral("4|8-6(90分)")}));

        u().CBzhishukongz->setChecked(false);
        u().ZuidiFee->setText(QStringLiteral("90"));
        u().CBFeeXX->click();
        QCOMPARE(plans(), QStringList({QStringLiteral("电脑全自动"), QStringLiteral("4|6-10(95分)"), QStringLiteral("4|8-6(90分)")}));

        // An emptied family name leaves the list as it is.
        setFamily(QString());
        QCOMPARE(plans().size(), 3);
        QVERIFY(messages::taken().isEmpty());
    }

    void runFillsBothLists()
    {
        setFamily(QStringLiteral("王"));
        u().Sorcss->setText(QStringLiteral("95"));
        u().RzBitBtn1->click();
        waitForNames(WangAllPlans);
        // Six names to a row in columns of 16 bytes, and the last shorter row at the end.
        const QStringList rows = u().MemoSuccess->toPlainText().split(QLatin1Char('\n'));
        QCOMPARE(rows.size(), 4);
        QCOMPARE(rows[0], QStringLiteral("王林宇(90分)    王林光(90分)    王昊旭(90分)    王俊林(9分)     王星林(9分)     王宇轩(95分)    "));
        for (const QString& row : rows.mid(0, 3))
            QCOMPARE(gbk::length(us(row)), std::size_t(96));
        QCOMPARE(rows[3], QStringLiteral("王光峰(95分)    "));
        // The one-digit scores neither end the run nor reach the high-score list.
        QCOMPARE(highNames(), QStringList({QStringLiteral("王宇轩(95分)"), QStringLiteral("王光轩(95分)"),
                                           QStringLiteral("王旭哲(95分)"), QStringLiteral("王宇峰(95分)"),
                                           QStringLiteral("王旭轩(95分)"), QStringLiteral("王宇哲(95分)"),
                                           QStringLiteral("王光哲(95分)"), QStringLiteral("王旭峰(95分)"),
                                           QStringLiteral("王光峰(95分)")}));
        QVERIFY(messages::taken().isEmpty());

        QGuiApplication::clipboard()->clear();
        u().Button4->click();
        QCOMPARE(QGuiApplication::clipboard()->text(), highNames().join(QLatin1Char('\n')) + QLatin1Char('\n'));
        QCOMPARE(messages::taken(), QStringList{QStringLiteral("info: 复制成功！")});
    }

    void runsCopyTheInputs()
    {
        struct Case {
            const char* what;
            std::function<void()> setUp;
            QStringList names;
        };
        const QList<Case> cases = {
            {"one plan",
             [this] {
                 setFamily(QStringLiteral("王"));
                 u().CBCode->setCurrentIndex(2);
             },
             {QStringLiteral("王林宇(90分)"), QStringLiteral("王林旭(90分)"), QStringLiteral("王林光(90分)"),
              QStringLiteral("王昊宇(90分)"), QStringLiteral("王昊旭(90分)"), QStringLiteral("王昊光(90分)")}},
            {"木",
             [this] {
                 setFamily(QStringLiteral("王"));
                 u().CBMu->setChecked(true);
             },
             {QStringLiteral("王林光(90分)"), QStringLiteral("王俊林(9分)")}},
            {"fixed second character",
             [this] {
                 u().CBzhishukongz->setChecked(true);
                 u().Gudingzi->setText(QStringLiteral("明"));
                 setFamily(QStringLiteral("王"));
             },
             {QStringLiteral("王明安(90分)"), QStringLiteral("王明宇(90分)"), QStringLiteral("王明旭(90分)"),
              QStringLiteral("王明光(90分)"), QStringLiteral("王明如(90分)")}},
            {"单字名",
             [this] {
                 setFamily(QStringLiteral("王"));
                 choose(u().CBXingshi, 1);
             },
             {QStringLiteral("王安(100分)"), QStringLiteral("王明(81分)"), QStringLiteral("王宇(100分)"),
              QStringLiteral("王旭(100分)"), QStringLiteral("王光(100分)"), QStringLiteral("王林(81分)"),
              QStringLiteral("王昊(81分)"), QStringLiteral("王如(100分)")}},
            {"欧阳 女",
             [this] {
                 u().CBsex->setCurrentIndex(1);
                 setFamily(QStringLiteral("欧阳"));
             },
             {QStringLiteral("欧阳佳伊(86分)")}},
            {"no family name yet", [] {}, {}},
        };
        for (const Case& c : cases) {
            m_window = std::make_unique<DIzoDuzede>();
            c.setUp();
            u().RzBitBtn1->click();
            waitForNames(c.names);
            QVERIFY2(messages::taken().isEmpty(), c.what);
        }
    }

    void stopEndsAfterTheGroupOnScreenAndOneRow()
    {
        setFamily(QStringLiteral("王"));
        u().RzBitBtn1->click();
        u().RzBitBtn2->click();
        QVERIFY(u().RzBitBtn2->isEnabled());
        waitForNames(WangAllPlans.mid(0, 9) << WangAllPlans.last());
        QCOMPARE(u().MemoSuccess->toPlainText().split(QLatin1Char('\n')).size(), 2);
    }

    void startingAgainStopsTheEarlierRun()
    {
        setFamily(QStringLiteral("王"));
        u().RzBitBtn1->click();
        u().RzBitBtn1->click(); // the first run is stopped and its names are dropped
        waitForNames(WangAllPlans);
        QCOMPARE(highNames().size(), 0);
    }

    void aFailedRunSaysSo()
    {
        setFamily(QStringLiteral("王"));
        QTemporaryDir empty;
        setDataFolder(empty.path().toStdString());
        u().RzBitBtn1->click();
        QTRY_COMPARE(messages::taken().size(), 1);
        QVERIFY(messages::taken().first().startsWith(QStringLiteral("error: 取名失败：")));
        QVERIFY(messages::taken().first().contains(QStringLiteral("YavCode.dll")));
        QVERIFY(u().MemoSuccess->toPlainText().isEmpty());
    }

    void savingTheFullList()
    {
        QTemporaryDir dir;
        QStringList proposals;
        QString answer;
        setSaveDialogAnswer([&](const QString& proposed) -> std::optional<QString> {
            proposals << proposed;
            return answer;
        });

        // Before any run the introduction is what the list holds.
        answer = dir.filePath(QStringLiteral("intro"));
        trigger("N2");
        QFile intro(answer + QStringLiteral(".txt"));
        QVERIFY(intro.open(QIODevice::ReadOnly));
        QVERIFY(intro.readAll().startsWith(*gbk::encode("姓名是父母送给小孩的第一件珍贵礼物")));

        setFamily(QStringLiteral("王"));
        u().RzBitBtn1->click();
        waitForNames(WangAllPlans);
        answer = dir.filePath(QStringLiteral("王家"));
        trigger("N2");
        QFile saved(answer + QStringLiteral(".txt"));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        const QByteArray bytes = saved.readAll();
        QCOMPARE(bytes.count("\r\n"), 4);
        QVERIFY(bytes.startsWith(*gbk::encode("王林宇(90分)    王林光(90分)")));
        QVERIFY(bytes.endsWith(*gbk::encode("王光峰(95分)    \r\n")));

        // With the family name emptied the dialog holds the last path, which has a separator.
        u().Xing->clear();
        QDir(dir.path()).mkdir(QStringLiteral("taken.txt"));
        answer = dir.filePath(QStringLiteral("taken")); // taken.txt is a folder: writing fails
        trigger("N2");
        QCOMPARE(proposals, QStringList({QString(), QStringLiteral("王"), QStringLiteral("*.txt")}));
        QCOMPARE(messages::taken().size(), 1);
        QVERIFY(messages::taken().first().startsWith(QStringLiteral("info: 文件保存失败：")));
        QCOMPARE(fullNames(), WangAllPlans);
    }

    void printing()
    {
        setDefaultPrinterOverride([] { return QString(); });
        trigger("N5");
        QCOMPARE(messages::taken().size(), 1);
        QVERIFY(messages::taken().first().contains(QStringLiteral("打印机")));

        QPageLayout seen;
        QTimer::singleShot(0, this, [&] {
            auto* dialog = qobject_cast<QPageSetupDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            seen = dialog->printer()->pageLayout();
            dialog->reject();
        });
        trigger("N4");
        QCOMPARE(seen.pageSize().id(), QPageSize::Letter);
        QCOMPARE(seen.margins(QPageLayout::Millimeter), QMarginsF(12.7, 12.7, 12.7, 12.7));
    }
};

QTEST_MAIN(TestWorkbench)
#include "test_workbench.moc"
