#include "core/datafiles.h"
#include "gui/messages.h"
#include "naming/VevizeMain.h"
#include "support/testenv.h"
#include "ui_VevizeMain.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QTimer>
#include <QMenuBar>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>

using namespace yav;

class TestMainWindow : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<DIzoDuzede> m_window;
    QList<int> m_exits;

    template <typename T>
    T* child(const char* name) const
    {
        T* w = m_window->findChild<T*>(QLatin1String(name));
        if (!w)
            qWarning("no control %s", name);
        return w;
    }
    // Focus leaving an edit, as when the user tabs away.
    void leave(QWidget* w)
    {
        QFocusEvent out(QEvent::FocusOut);
        QApplication::sendEvent(w, &out);
    }

private slots:
    void initTestCase()
    {
        messages::setRecording(true);
        DIzoDuzede::setExitHook([this](int code) { m_exits << code; });
    }
    void init()
    {
        setDataFolder(test::fixtureDir());
        messages::clearTaken();
        m_window = std::make_unique<DIzoDuzede>();
    }
    void cleanup() { m_window.reset(); }

    void defaults_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("count");
        QTest::newRow("Xing") << "Xing" << "" << -1;
        QTest::newRow("CBsex") << "CBsex" << "男" << 2;
        QTest::newRow("ComDate") << "ComDate" << "公历" << 2;
        QTest::newRow("SYear") << "SYear" << "2010" << 141;
        QTest::newRow("SMonth") << "SMonth" << "01" << 12;
        QTest::newRow("Sday") << "Sday" << "01" << 31;
        QTest::newRow("Shour") << "Shour" << "子 0" << 24;
        QTest::newRow("CBFen") << "CBFen" << "01" << 60;
        QTest::newRow("CBXingshi") << "CBXingshi" << "双字名" << 2;
        QTest::newRow("CBCode") << "CBCode" << "电脑全自动" << 1;
        QTest::newRow("CBdijizi") << "CBdijizi" << "第二字" << 2;
        QTest::newRow("Gudingzi") << "Gudingzi" << "" << -1;
        QTest::newRow("Sorcss") << "Sorcss" << "98" << -1;
        QTest::newRow("ZuidiFee") << "ZuidiFee" << "80" << -1;
    }
    void defaults()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(int, count);
        QWidget* w = m_window->findChild<QWidget*>(name);
        QVERIFY2(w, qPrintable(name));
        if (auto* e = qobject_cast<QLineEdit*>(w)) {
            QCOMPARE(e->text(), text);
        } else {
            auto* c = qobject_cast<QComboBox*>(w);
            QVERIFY(c);
            QCOMPARE(c->currentText(), text);
            QCOMPARE(c->count(), count);
        }
    }

    void layoutOfTheWindow()
    {
        QCOMPARE(m_window->windowTitle(), QStringLiteral("云朵朵取名软件"));
        QCOMPARE(m_window->size(), QSize(800, 600));
        auto* hour = child<QComboBox>("Shour");
        QCOMPARE(hour->itemText(1), QStringLiteral("丑 1"));
        QCOMPARE(hour->itemText(22), QStringLiteral("亥 22"));
        QCOMPARE(hour->itemText(23), QStringLiteral("子 23"));
        QCOMPARE(child<QComboBox>("CBFen")->itemText(59), QStringLiteral("59"));
        QVERIFY(child<QCheckBox>("CBInitFee")->isChecked());
        for (const char* box : {"CBjin", "CBMu", "CBshui", "CBhuo", "CBTu", "CBzhishukongz", "CBFeeXX"})
            QVERIFY2(!child<QCheckBox>(box)->isChecked(), box);
        for (const char* name : {"RzBitBtn1", "RzBitBtn2", "RzBitBtn3", "Button4", "ListBox1", "MemoSuccess",
                                 "MemoSuoyou", "MemoSave", "REbazi", "Panel2"})
            QVERIFY2(m_window->findChild<QWidget*>(QLatin1String(name)), name);
        QVERIFY(m_window->ui()->MemoSuccess->toPlainText().startsWith(QStringLiteral("姓名是父母送给小孩的第一件珍贵礼物")));
        QVERIFY(m_window->ui()->MemoSuccess->toPlainText().contains(QStringLiteral("\n云朵朵取名软件是根据周易及现代姓名研究学")));
        QVERIFY(m_window->ui()->MemoSuccess->isReadOnly());

        QStringList captions;
        for (QToolButton* b : child<QToolBar>("RzToolbar1")->findChildren<QToolButton*>(QString(), Qt::FindDirectChildrenOnly))
            if (b->defaultAction() && !b->defaultAction()->text().isEmpty())
                captions << b->objectName() + QLatin1Char('=') + b->text();
        QCOMPARE(captions.join(QLatin1Char(' ')),
                 QStringLiteral("RzToolButton2=八字分析 RzToolButton1=快速取名 RzToolButton3=名字详解 RzToolButton4=文字五行 "
                                "RzToolButton5=五格表 RzToolButton6=三才表 RzToolButton7=本日吉日 RzToolButton8=快速解梦 "
                                "RzToolButton9=人工起名 RzToolButton10=黄历 RzToolButton12=退出"));
        QVERIFY(!child<QToolButton>("RzToolButton2")->icon().isNull());

        QStringList menu;
        for (QAction* top : m_window->menuBar()->actions()) {
            QStringList items;
            for (QAction* a : top->menu()->actions())
                items << (a->isSeparator() ? QStringLiteral("-") : a->text());
            menu << top->menu()->objectName() + QLatin1Char(':') + items.join(QLatin1Char(','));
        }
        QCOMPARE(menu.size(), 7);
        QCOMPARE(menu[0], QStringLiteral("F1:新建起名,保存起名,-,打印设置,打印,-,关闭软件"));
        QCOMPARE(menu[3].count(QLatin1Char(',')), 15);
        QVERIFY(menu[3].contains(QStringLiteral("数理暗示因素 ,81数理运势诱导")));
        QCOMPARE(menu[4], QStringLiteral("G1:打喷嚏占卜,面热测占卜,心惊测占卜,犬吠测占卜,眼跳测占卜,耳热测占卜,耳鸣测占卜,-,"
                                         "手机号码分析,QQ号码分析,更多数字分析,网名分析,-,生男生女,万年历法"));
        QCOMPARE(menu[5], QStringLiteral("R1:客户服务,给我们发邮件,与QQ对话"));
        QCOMPARE(menu[6], QStringLiteral("H1:软件主页,软件帮助,关于软件,软件升级"));

        auto* pane = child<QLabel>("RzStatusPane1");
        QVERIFY(pane->text().startsWith(QStringLiteral("联系电话：")));
        QVERIFY(pane->text().contains(QStringLiteral("QQ：")));
        QCOMPARE(pane->width(), 370);
        QVERIFY(child<QLabel>("RzMarqueeStatus1"));
    }

    void numberFields_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("after");
        QTest::newRow("abc in ZuidiFee") << "ZuidiFee" << "abc" << "70";
        QTest::newRow("empty ZuidiFee stays") << "ZuidiFee" << "" << "";
        QTest::newRow("85 in ZuidiFee") << "ZuidiFee" << " 85 " << " 85 ";
        QTest::newRow("9x in Sorcss") << "Sorcss" << "9x" << "95";
        QTest::newRow("150 in Sorcss") << "Sorcss" << "150" << "150";
        QTest::newRow("-3 in Sorcss") << "Sorcss" << "-3" << "-3";
    }
    void numberFields()
    {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, after);
        auto* edit = m_window->findChild<QLineEdit*>(field);
        edit->setText(typed);
        leave(edit);
        QCOMPARE(edit->text(), after);
    }

    void nameFormSwitchesTheFixedCharacter()
    {
        auto* form = child<QComboBox>("CBXingshi");
        auto* fixed = child<QCheckBox>("CBzhishukongz");
        auto* position = child<QComboBox>("CBdijizi");
        auto* ch = child<QLineEdit>("Gudingzi");
        fixed->setChecked(true);
        ch->setText(QStringLiteral("明"));

        form->setCurrentIndex(1);
        emit form->activated(1);
        QVERIFY(!fixed->isChecked());
        QVERIFY(!fixed->isEnabled());
        QVERIFY(!position->isEnabled());
        QVERIFY(ch->text().isEmpty());

        form->setCurrentIndex(0);
        emit form->activated(0);
        QVERIFY(fixed->isEnabled());
        QVERIFY(position->isEnabled());
        QVERIFY(!fixed->isChecked());
        QVERIFY(ch->text().isEmpty());
    }

    void fixedCharacterHoldsTwoBytes()
    {
        auto* ch = child<QLineEdit>("Gudingzi");
        // Typing goes through the edit's validator, as insert() does.
        ch->insert(QStringLiteral("明"));
        ch->insert(QStringLiteral("轩"));
        QCOMPARE(ch->text(), QStringLiteral("明"));
        ch->clear();
        QTest::keyClicks(ch, QStringLiteral("abc"));
        QCOMPARE(ch->text(), QStringLiteral("ab"));
    }

    void familyNameOutsideGbkIsRefused()
    {
        auto* xing = child<QLineEdit>("Xing");
        xing->setText(QStringLiteral("王😀"));
        leave(xing);
        QCOMPARE(messages::taken().size(), 1);
        QVERIFY(messages::taken().first().startsWith(QStringLiteral("info: 姓氏")));
        xing->setText(QStringLiteral("王"));
        leave(xing);
        QCOMPARE(messages::taken().size(), 1);
        QCOMPARE(child<QComboBox>("CBCode")->itemText(0), QStringLiteral("电脑全自动"));
    }

    void lookupsOnTheWindowQuery()
    {
        QCOMPARE(m_window->GetStrokes("國"), 11);
        QCOMPARE(m_window->GetWuhang("國"), std::string("木"));
        QCOMPARE(m_window->GetStrokes("'"), 0);
    }

    void helpAndUpgradeMessages()
    {
        for (QAction* a : m_window->findChildren<QAction*>())
            if (a->objectName() == QLatin1String("N47") || a->objectName() == QLatin1String("N49"))
                a->trigger();
        QCOMPARE(messages::taken().size(), 2);
        QCOMPARE(messages::taken()[0], QStringLiteral("info: 软件使用问题，请联系QQ：10000001 "));
        QCOMPARE(messages::taken()[1], QStringLiteral("info: 感谢你的使用,软件是最新版无需升级!"));
    }

    void missingDatabaseStillOpensTheWindow()
    {
        QTemporaryDir empty;
        setDataFolder(empty.path().toStdString());
        messages::clearTaken();
        DIzoDuzede w;
        QCOMPARE(messages::taken().size(), 1);
        QVERIFY(messages::taken().first().startsWith(QStringLiteral("error: ")));
        QVERIFY(messages::taken().first().contains(QStringLiteral("YavCode.dll")));
        // The next lookup tells the user and leaves the list as it was.
        auto* xing = w.findChild<QLineEdit*>(QStringLiteral("Xing"));
        xing->setText(QStringLiteral("王"));
        leave(xing);
        QCOMPARE(messages::taken().size(), 2);
        QCOMPARE(w.findChild<QComboBox*>(QStringLiteral("CBCode"))->count(), 1);
    }

    void handOffToTheNameAnalysis()
    {
        // The analysis window is modal: a timer reads it and closes it.
        QStringList seen;
        auto readAndClose = [&seen] {
            QTimer::singleShot(0, [&seen] {
                QWidget* w = QApplication::activeModalWidget();
                if (!w)
                    return;
                auto* a = w->findChild<QLineEdit*>(QStringLiteral("NameA"));
                auto* b = w->findChild<QLineEdit*>(QStringLiteral("NameB"));
                seen << w->windowTitle() + QLatin1Char('|') + (a ? a->text() : QStringLiteral("?")) + QLatin1Char('|')
                            + (b ? b->text() : QStringLiteral("?"));
                w->close();
            });
        };
        auto* list = child<QListWidget>("ListBox1");
        child<QLineEdit>("Xing")->setText(QStringLiteral("欧阳"));

        // No item, then an item that is not selected: nothing opens.
        readAndClose();
        emit list->itemDoubleClicked(nullptr);
        QCoreApplication::processEvents();
        list->addItem(QStringLiteral("欧阳明轩(95分)"));
        list->setCurrentItem(nullptr);
        emit list->itemDoubleClicked(list->item(0));
        QVERIFY(seen.isEmpty());

        list->setCurrentRow(0);
        readAndClose();
        emit list->itemDoubleClicked(list->item(0));
        QCOMPARE(seen, QStringList{QStringLiteral("姓名分析|欧阳|明轩")});

        seen.clear();
        child<QLineEdit>("Xing")->clear();
        readAndClose();
        child<QToolButton>("RzToolButton3")->click();
        QCOMPARE(seen, QStringList{QStringLiteral("姓名分析||")});
    }

    void everyWayOutShutsDown()
    {
        const QString lock = QString::fromStdString(programFolder()) + QStringLiteral("Pelinda.ldb");
        for (const char* way : {"button", "toolbar", "close"}) {
            QFile f(lock);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.close();
            m_exits.clear();
            if (QLatin1String(way) == QLatin1String("button"))
                child<QPushButton>("RzBitBtn3")->click();
            else if (QLatin1String(way) == QLatin1String("toolbar"))
                child<QToolButton>("RzToolButton12")->click();
            else
                m_window->close();
            QCOMPARE(m_exits, QList<int>{0});
            QVERIFY2(!QFile::exists(lock), way);
        }
        // With no lock file there is nothing to delete, and shutdown goes on all the same.
        m_exits.clear();
        m_window->ShutDownApp();
        QCOMPARE(m_exits, QList<int>{0});
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
