#include "naming/VevizeMain.h"
#include "ui_VevizeMain.h"

#include "almanac/DateWin.h"
#include "numerology/Unt_Main.h"

#include "core/database.h"
#include "core/datafiles.h"
#include "core/gbk.h"
#include "gui/fonts.h"
#include "gui/messages.h"
#include "gui/printtext.h"
#include "gui/qtext.h"
#include "gui/savetext.h"
#include "gui/widgets.h"
#include "naming/lookups.h"
#include "naming/namingthread.h"
#include "naming/plans.h"
#include "naming/support.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QMenuBar>
#include <QPrinter>
#include <QScreen>
#include <QStatusBar>
#include <QTextCursor>
#include <QTextDocument>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>

#include <cstdlib>
#include <vector>

// The images live in the windows library, which is linked statically.
static void initResources() { Q_INIT_RESOURCE(yavname); }

using namespace yav;

namespace {

std::function<void(int)> g_exitHook = [](int code) { std::_Exit(code); };

const char* const IntroText =
    "姓名是父母送给小孩的第一件珍贵礼物，它将伴随孩子走过一生。一个好名字，读来响亮上口，"
    "写来端正大方，寓意美好而不落俗套，既寄托着父母的期望，也是孩子留给别人的第一印象。\n\n"
    "古人取名讲究音、形、义俱佳，更重视名字与生辰、五行的配合。字音要平仄相间、声调和谐，"
    "避免拗口和不雅的谐音；字形要笔画适中、结构匀称，避免生僻难写；字义要积极向上、含蓄隽永。\n\n"
    "姓名学认为，姓与名的笔画组合构成天格、人格、地格、总格、外格五格，五格之间的五行生克形成"
    "三才配置，对人的性格、事业与人际关系都有一定的暗示作用。因此，为孩子取名不可草率，"
    "应当综合考虑，多方比较。\n\n"
    "云朵朵取名软件是根据周易及现代姓名研究学，结合康熙字典笔画、汉字字形字义、生辰八字、"
    "三才五格配置和喜用神五行等方法编制的取名工具。您只需输入姓氏、性别和出生时间，选择喜用的五行，"
    "点击“开始取名”，软件便会列出大量评分较高的名字供您挑选；双击左边列表中的名字，"
    "即可查看该名字的详细分析。";

// The introduction is broken to the width of a row of names (six columns of 16 bytes).
constexpr std::size_t IntroLineBytes = 90;

// Toolbar, in its order. Buttons whose windows are not part of this build yet carry no action.
} // namespace

const std::vector<DIzoDuzede::Route>& DIzoDuzede::toolbarRoutes()
{
    static const std::vector<Route> routes = {
        {"RzToolButton2", "八字分析"},
        {"RzToolButton1", "快速取名"},
        {"RzToolButton3", "名字详解", &DIzoDuzede::RzToolButton3Click},
        {"RzToolButton4", "文字五行"},
        {"RzToolButton5", "五格表", nullptr, "XM016"},
        {"RzToolButton6", "三才表", nullptr, "XM017"},
        {"RzToolButton7", "本日吉日"},
        {"RzToolButton8", "快速解梦"},
        {"RzToolButton9", "人工起名"},
        {"RzToolButton10", "黄历", &DIzoDuzede::N41Click},
        {"RzToolButton12", "退出", &DIzoDuzede::RzToolButton12Click},
    };
    return routes;
}

namespace {

const char* toolbarIcon(const char* name)
{
    static const std::pair<const char*, const char*> icons[] = {
        {"RzToolButton2", "bazi"},   {"RzToolButton1", "quick"},    {"RzToolButton3", "detail"},
        {"RzToolButton4", "wuxing"}, {"RzToolButton5", "wuge"},     {"RzToolButton6", "sancai"},
        {"RzToolButton7", "jiri"},   {"RzToolButton8", "dream"},    {"RzToolButton9", "service"},
        {"RzToolButton10", "calendar"}, {"RzToolButton12", "exit"},
    };
    for (const auto& [n, icon] : icons)
        if (std::string_view(n) == name)
            return icon;
    return "quick";
}

} // namespace

const std::vector<DIzoDuzede::Menu>& DIzoDuzede::menus()
{
    using R = Route;
    static const std::vector<Menu> m = {
        {"F1", "系统(&F)",
         {R{"N1", "新建起名"}, R{"N2", "保存起名", &DIzoDuzede::N2Click}, R{"N3", "-"},
          R{"N4", "打印设置", &DIzoDuzede::N4Click}, R{"N5", "打印", &DIzoDuzede::N5Click}, R{"N7", "-"},
          R{"N6", "关闭软件"}}},
        {"N23", "本日吉日(&H)", {R{"N24", "本日吉日"}, R{"N25", "吉日分类查询"}}},
        {"N26", "周公解梦(&J)", {R{"N27", "周公解析"}, R{"N28", "解梦全书"}}},
        {"Q1", "取名知识(&Q)",
         {R{"N8", "姓名原理", nullptr, "a1"}, R{"N10", "姓名与命运", nullptr, "XM010"},
          R{"N11", "姓名与性格", nullptr, "XM002"}, R{"N12", "五行与数字", nullptr, "XM003"},
          R{"N13", "五格剖象法", nullptr, "XM007"}, R{"N14", "数理暗示因素 ", nullptr, "XM006"},
          R{"N811", "81数理运势诱导", nullptr, "XM008"}, R{"N15", "姓名字划计算方法 ", nullptr, "XM004"},
          R{"N16", "天人地格三才配置", nullptr, "XM009"}, R{"N17", "吉祥名字重要性", nullptr, "XM012"},
          R{"N18", "姓名学知识与取名 ", nullptr, "XM001"}, R{"N9", "起名常用汉字繁体字", nullptr, "XM001"},
          R{"N22", "-"}, R{"N19", "取名规则", nullptr, "XM011"}, R{"N20", "取笔名规则", nullptr, "XM014"},
          R{"N21", "取艺名规则", nullptr, "XM015"}}},
        {"G1", "工具大全(&G)",
         {R{"N30", "打喷嚏占卜", nullptr, nullptr, "打喷嚏占卜吉凶", 0},
          R{"N31", "面热测占卜", nullptr, nullptr, "面热测吉凶", 1},
          R{"N32", "心惊测占卜", nullptr, nullptr, "心惊测吉凶", 2},
          R{"N33", "犬吠测占卜", nullptr, nullptr, "犬吠测吉凶", 3},
          R{"N34", "眼跳测占卜", nullptr, nullptr, "眼跳测吉凶", 4},
          R{"N35", "耳热测占卜", nullptr, nullptr, "耳热测吉凶", 5},
          R{"N36", "耳鸣测占卜", nullptr, nullptr, "耳鸣测吉凶", 6}, R{"N50", "-"}, R{"N37", "手机号码分析"},
          R{"QQ1", "QQ号码分析"}, R{"N38", "更多数字分析"}, R{"N39", "网名分析"}, R{"N42", "-"},
          R{"N40", "生男生女"}, R{"N41", "万年历法", &DIzoDuzede::N41Click}}},
        {"R1", "客户服务(&S)",
         {R{"N43", "客户服务"}, R{"N45", "给我们发邮件", &DIzoDuzede::N45Click},
          R{"QQ2", "与QQ对话", &DIzoDuzede::QQ2Click}}},
        {"H1", "帮助(&H)",
         {R{"N46", "软件主页", &DIzoDuzede::N46Click}, R{"N47", "软件帮助", &DIzoDuzede::N47Click},
          R{"N48", "关于软件"}, R{"N49", "软件升级", &DIzoDuzede::N49Click}}},
    };
    return m;
}

namespace {

bool isWholeNumber(const QString& text)
{
    bool ok = false;
    text.toLongLong(&ok);
    return ok;
}

} // namespace

DIzoDuzede::DIzoDuzede(QWidget* parent)
    : QMainWindow(parent)
    , m_ui(std::make_unique<Ui::DIzoDuzede>())
{
    initResources();
    m_ui->setupUi(this);
    setFont(fonts::song(12));
    resize(800, 600);

    m_ui->Gudingzi->setValidator(new GbkLengthValidator(2, m_ui->Gudingzi));
    m_ui->ListBox1->setFont(fonts::song(12, true));
    m_ui->ListBox1->setStyleSheet(QStringLiteral("QListWidget { color: red; } QListWidget::item { height: 15px; }"));
    // Rows of one fixed height: the list lays out thousands of names without measuring each.
    m_ui->ListBox1->setUniformItemSizes(true);
    m_ui->MemoSuccess->setFont(fonts::mono(12));
    // Runs append thousands of rows; a read-only list needs no undo history.
    m_ui->MemoSuccess->setUndoRedoEnabled(false);
    m_ui->MemoSuccess->setPlainText(joinLines(gbk::wrap(IntroText, IntroLineBytes)));

    buildToolbar();
    buildMenu();
    buildStatusBar();
    wireHandlers();
    FormCreate();
}

DIzoDuzede::~DIzoDuzede()
{
    // A run still going on is stopped and waited for before the window goes.
    stopRun();
}

void DIzoDuzede::setExitHook(std::function<void(int)> hook) { g_exitHook = std::move(hook); }

void DIzoDuzede::FormCreate()
{
    try {
        m_connection = std::make_shared<db::Connection>(ConnStrCode());
    } catch (const db::Error& e) {
        // The window opens all the same; lookups then find nothing.
        ShowError(qs(e.what()), this);
    }
    ADOTem = std::make_unique<db::Query>(m_connection);
    ADOFenxi = std::make_unique<db::Query>(m_connection);
}

void DIzoDuzede::buildToolbar()
{
    auto* bar = new QToolBar(this);
    bar->setObjectName(QStringLiteral("RzToolbar1"));
    bar->setMovable(false);
    bar->setIconSize(QSize(32, 32));
    bar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    addToolBar(Qt::TopToolBarArea, bar);
    for (const Route& r : toolbarRoutes()) {
        QAction* a = bar->addAction(QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(toolbarIcon(r.name)))),
                                    QString::fromUtf8(r.caption));
        a->setObjectName(QLatin1String(r.name));
        QWidget* button = bar->widgetForAction(a);
        button->setObjectName(QLatin1String(r.name));
        if (std::string_view(r.name) == "RzToolButton9") {
            QFont f = button->font();
            f.setBold(true);
            button->setFont(f);
            button->setStyleSheet(QStringLiteral("color: red;"));
        }
        connect(a, &QAction::triggered, this, [this, r] { route(r); });
    }
}

void DIzoDuzede::buildMenu()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    for (const Menu& m : menus()) {
        QMenu* menu = bar->addMenu(QString::fromUtf8(m.caption));
        menu->setObjectName(QLatin1String(m.name));
        for (const Route& r : m.items) {
            QAction* a = std::string_view(r.caption) == "-" ? menu->addSeparator()
                                                             : menu->addAction(QString::fromUtf8(r.caption));
            a->setObjectName(QLatin1String(r.name));
            if (!a->isSeparator())
                connect(a, &QAction::triggered, this, [this, r] { route(r); });
        }
    }
}

void DIzoDuzede::buildStatusBar()
{
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("RzStatusBar1"));
    auto* pane = new QLabel(QStringLiteral("联系电话：%1  QQ：%2")
                                .arg(QLatin1String(support::Phones), QLatin1String(support::Accounts)),
                            bar);
    pane->setObjectName(QStringLiteral("RzStatusPane1"));
    pane->setFixedWidth(370);
    bar->addWidget(pane);
    auto* marquee = new MarqueeLabel(QStringLiteral("欢迎使用云朵朵取名软件，人工起名服务200.00 取名取到满意为止!"), bar);
    marquee->setObjectName(QStringLiteral("RzMarqueeStatus1"));
    QPalette pal = marquee->palette();
    pal.setColor(QPalette::WindowText, QColor(0, 0, 128));
    marquee->setPalette(pal);
    bar->addWidget(marquee, 1);
}

void DIzoDuzede::wireHandlers()
{
    for (QWidget* w : {static_cast<QWidget*>(m_ui->Xing), static_cast<QWidget*>(m_ui->Gudingzi),
                       static_cast<QWidget*>(m_ui->ZuidiFee), static_cast<QWidget*>(m_ui->Sorcss)})
        w->installEventFilter(this);
    connect(m_ui->CBFeeXX, &QCheckBox::clicked, this, &DIzoDuzede::CBFeeXXClick);
    connect(m_ui->CBXingshi, &QComboBox::activated, this, &DIzoDuzede::CBXingshiClick);
    connect(m_ui->RzBitBtn1, &QPushButton::clicked, this, &DIzoDuzede::RzBitBtn1Click);
    connect(m_ui->RzBitBtn2, &QPushButton::clicked, this, &DIzoDuzede::RzBitBtn2Click);
    connect(m_ui->RzBitBtn3, &QPushButton::clicked, this, &DIzoDuzede::RzBitBtn3Click);
    connect(m_ui->Button4, &QPushButton::clicked, this, &DIzoDuzede::Button4Click);
    connect(m_ui->ListBox1, &QListWidget::itemDoubleClicked, this, &DIzoDuzede::ListBox1DblClick);
}

bool DIzoDuzede::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut) {
        if (watched == m_ui->Xing)
            XingExit();
        else if (watched == m_ui->Gudingzi)
            GudingziExit();
        else if (watched == m_ui->ZuidiFee)
            ZuidiFeeExit();
        else if (watched == m_ui->Sorcss)
            SorcssExit();
    }
    return QMainWindow::eventFilter(watched, event);
}

void DIzoDuzede::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!m_centred) {
        m_centred = true;
        if (QScreen* s = screen())
            move(s->availableGeometry().center() - rect().center());
    }
}

void DIzoDuzede::closeEvent(QCloseEvent* event)
{
    // Closing is never refused.
    ShutDownApp();
    event->accept();
}

void DIzoDuzede::route(const Route& r)
{
    if (r.handler)
        (this->*r.handler)();
    else if (r.article)
        openArticle(r.article);
    else if (r.omenHeading)
        openOmen(r.omenHeading, r.omen);
}

int DIzoDuzede::GetStrokes(const std::string& ch) { return strokesOn(*ADOTem, ch); }

std::string DIzoDuzede::GetWuhang(const std::string& ch) { return wuhangOn(*ADOTem, ch); }

// --- input handlers -------------------------------------------------------------------------

void DIzoDuzede::refill()
{
    const QString family = m_ui->Xing->text().trimmed();
    if (family.isEmpty())
        return;
    if (!checkGbkText(family, QStringLiteral("姓氏")) || !checkGbkText(m_ui->Gudingzi->text(), QStringLiteral("固定字")))
        return;
    try {
        FillCodeList(us(family));
    } catch (const db::Error& e) {
        // The list keeps what it had; the user sees why.
        ShowError(qs(e.what()), this);
    }
}

void DIzoDuzede::FillCodeList(const std::string& family)
{
    naming::NamingInput input = namingInput();
    input.family = family;
    // Everything is read before the list changes, so a failure leaves the old entries.
    const naming::PlanList list = naming::fillCodeList(*ADOTem, input);
    NameForm = list.nameForm;
    m_ui->CBCode->clear();
    for (const auto& entry : list.entries)
        m_ui->CBCode->addItem(qs(entry));
    m_ui->CBCode->setCurrentIndex(0);
}

naming::NamingInput DIzoDuzede::namingInput() const
{
    naming::NamingInput in;
    in.family = gbk::trim(us(m_ui->Xing->text()));
    in.male = m_ui->CBsex->currentText() == QStringLiteral("男");
    in.singleName = m_ui->CBXingshi->currentText() == QStringLiteral("单字名");
    in.elements = {m_ui->CBjin->isChecked(), m_ui->CBMu->isChecked(), m_ui->CBshui->isChecked(),
                   m_ui->CBhuo->isChecked(), m_ui->CBTu->isChecked()};
    in.fixedOn = m_ui->CBzhishukongz->isChecked();
    in.fixedThird = m_ui->CBdijizi->currentText() == QStringLiteral("第三字");
    in.fixedChar = gbk::trim(us(m_ui->Gudingzi->text()));
    if (m_ui->CBFeeXX->isChecked()) {
        // Leaving the field turns any other text into a number, so only a whole number counts.
        bool ok = false;
        const qlonglong minimum = m_ui->ZuidiFee->text().trimmed().toLongLong(&ok);
        if (ok)
            in.minScore = minimum;
    }
    in.plan = gbk::trim(us(m_ui->CBCode->currentText()));
    for (int i = 1; i < m_ui->CBCode->count(); ++i)
        in.plans.push_back(us(m_ui->CBCode->itemText(i)));
    return in;
}

void DIzoDuzede::XingExit() { refill(); }

void DIzoDuzede::GudingziExit() { refill(); }

void DIzoDuzede::CBFeeXXClick() { refill(); }

void DIzoDuzede::CBXingshiClick()
{
    if (m_ui->CBXingshi->currentIndex() == 1) {
        m_ui->CBzhishukongz->setChecked(false);
        m_ui->CBzhishukongz->setEnabled(false);
        m_ui->CBdijizi->setEnabled(false);
        m_ui->Gudingzi->clear();
    } else {
        m_ui->CBzhishukongz->setEnabled(true);
        m_ui->CBdijizi->setEnabled(true);
    }
    refill();
}

void DIzoDuzede::ZuidiFeeExit()
{
    const QString t = m_ui->ZuidiFee->text().trimmed();
    if (!t.isEmpty() && !isWholeNumber(t))
        m_ui->ZuidiFee->setText(QStringLiteral("70"));
    refill();
}

void DIzoDuzede::SorcssExit()
{
    const QString t = m_ui->Sorcss->text().trimmed();
    if (!t.isEmpty() && !isWholeNumber(t))
        m_ui->Sorcss->setText(QStringLiteral("95"));
}

// --- naming run and result list ------------------------------------------------------------

void DIzoDuzede::RzBitBtn1Click()
{
    // An earlier run is asked to stop and waited for, so the window never waits for a whole run;
    // its names would be cleared by this one anyway.
    stopRun();
    if (!checkGbkText(m_ui->Xing->text(), QStringLiteral("姓氏"))
        || !checkGbkText(m_ui->Gudingzi->text(), QStringLiteral("固定字")))
        return;
    naming::NamingInput input = namingInput();
    m_ui->MemoSuccess->clear();
    m_ui->ListBox1->clear();
    m_pendingHigh.clear();
    m_listLayout.invalidate();
    m_rows.reset();
    // Raised here rather than by the worker, so that a stop pressed right after the start holds.
    RunFlag = 1;
    const quint64 run = ++m_runId;
    m_thread = std::make_unique<TMythread>(std::move(input), ConnStrCode(), RunFlag);
    connect(m_thread.get(), &TMythread::namesReady, this, [this, run](const QStringList& lines) {
        if (run == m_runId)
            OutputName(lines);
    });
    connect(m_thread.get(), &TMythread::runEnded, this, [this, run](int rows, const QString& error) {
        if (run == m_runId)
            runEnded(rows, error);
    });
    m_thread->start();
}

void DIzoDuzede::RzBitBtn2Click()
{
    m_ui->RzBitBtn2->setEnabled(false);
    RunFlag = 0;
    if (m_thread)
        m_thread->wake();
    m_ui->RzBitBtn2->setEnabled(true);
}

void DIzoDuzede::stopRun()
{
    if (!m_thread)
        return;
    RunFlag = 0;
    m_thread.reset(); // wakes the worker and waits for it
}

void DIzoDuzede::OutputName(const QStringList& lines)
{
    // The high-score bar is read for every batch; within one nothing on this thread can change it.
    const bool autoPick = m_ui->CBInitFee->isChecked();
    const std::string bar = us(m_ui->Sorcss->text());
    QStringList high, rows;
    for (const QString& line : lines) {
        const auto step = m_rows.add(us(line), autoPick, bar);
        if (step.high)
            high << qs(step.name);
        if (step.row)
            rows << qs(*step.row);
    }
    m_pendingHigh << high;
    if (!m_listLayout.isValid() || m_listLayout.elapsed() >= 100)
        flushHighNames();
    appendFullRows(rows);
    if (m_thread)
        m_thread->batchTaken();
}

void DIzoDuzede::flushHighNames()
{
    // A list view lays out its items anew after every insertion, and only once the event loop
    // falls idle, which a run keeps it from; so names are added a few times a second and laid out
    // at once, and the list grows on screen together with the full list.
    m_listLayout.start();
    if (m_pendingHigh.isEmpty())
        return;
    m_ui->ListBox1->addItems(m_pendingHigh);
    m_pendingHigh.clear();
    m_ui->ListBox1->doItemsLayout();
}

void DIzoDuzede::runEnded(int, const QString& error)
{
    flushHighNames();
    // The last, shorter row belongs to the list as well.
    if (auto row = m_rows.finish())
        appendFullRows({qs(*row)});
    if (!error.isEmpty())
        ShowError(QStringLiteral("取名失败：") + error, this);
}

void DIzoDuzede::appendFullRows(const QStringList& rows)
{
    if (rows.isEmpty())
        return;
    QTextDocument* doc = m_ui->MemoSuccess->document();
    QTextCursor cursor(doc);
    cursor.movePosition(QTextCursor::End);
    cursor.beginEditBlock();
    for (const QString& row : rows) {
        if (!doc->isEmpty())
            cursor.insertBlock();
        cursor.insertText(row);
    }
    cursor.endEditBlock();
}

void DIzoDuzede::Button4Click()
{
    flushHighNames();
    QString text;
    for (int i = 0; i < m_ui->ListBox1->count(); ++i)
        text += m_ui->ListBox1->item(i)->text() + QLatin1Char('\n');
    m_ui->MemoSave->setPlainText(text);
    // An empty list copies nothing, and the clipboard keeps what it had.
    if (!text.isEmpty())
        QGuiApplication::clipboard()->setText(text);
    ShowInfo(QStringLiteral("复制成功！"));
}

// --- saving and printing --------------------------------------------------------------------

void DIzoDuzede::N2Click()
{
    const QString text = m_ui->MemoSuccess->toPlainText();
    if (text.trimmed().isEmpty())
        return;
    m_ui->MemoSave->setPlainText(text);
    saveTextWithDialog(this, m_saveName, m_ui->Xing->text().trimmed(), m_ui->MemoSave->toPlainText());
}

void DIzoDuzede::N4Click()
{
    if (!m_printer)
        m_printer = makeTextPrinter();
    pageSetup(this, *m_printer);
}

void DIzoDuzede::N5Click()
{
    if (!m_printer)
        m_printer = makeTextPrinter();
    printText(*m_printer, m_ui->MemoSuccess->toPlainText());
}

// --- buttons and menu items -----------------------------------------------------------------

void DIzoDuzede::RzBitBtn3Click() { ShutDownApp(); }

void DIzoDuzede::RzToolButton12Click() { ShutDownApp(); }

void DIzoDuzede::N45Click() { QDesktopServices::openUrl(QUrl(QStringLiteral("mailto:") + QLatin1String(support::MailAddress))); }

void DIzoDuzede::QQ2Click()
{
    QDesktopServices::openUrl(QUrl(QLatin1String(support::ChatHost) + QStringLiteral("msgrd?V=1&Uin=")
                                   + QLatin1String(support::Account) + QStringLiteral("&Site=????&Menu=yes")));
}

void DIzoDuzede::N46Click() { QDesktopServices::openUrl(QUrl(QLatin1String(support::HomePage))); }

void DIzoDuzede::N47Click()
{
    ShowInfo(QStringLiteral("软件使用问题，请联系QQ：") + QLatin1String(support::Account) + QLatin1Char(' '));
}

void DIzoDuzede::N49Click() { ShowInfo(QStringLiteral("感谢你的使用,软件是最新版无需升级!")); }

// --- hand-off to the name analysis -----------------------------------------------------------

void DIzoDuzede::showAnalysis(const QString& given)
{
    ShowNameAnalysis(this, m_ui->Xing->text().trimmed(), m_ui->CBsex->currentText().trimmed(),
                     m_ui->SYear->currentText(), m_ui->SMonth->currentText(), m_ui->Sday->currentText(),
                     m_ui->Shour->currentText(), m_ui->CBFen->currentText(), m_ui->ComDate->currentIndex(), given);
}

void DIzoDuzede::ListBox1DblClick()
{
    // Only a selected name of a non-empty list is handed over; anything else is ignored.
    QListWidgetItem* item = m_ui->ListBox1->currentItem();
    if (m_ui->ListBox1->count() == 0 || !item)
        return;
    showAnalysis(handOffGivenName(item->text(), m_ui->Xing->text().trimmed()));
}

void DIzoDuzede::RzToolButton3Click() { showAnalysis(QString()); }

void DIzoDuzede::N41Click() { showPerpetualCalendar(this); }

void DIzoDuzede::openArticle(const char*)
{
    // The article window joins with the knowledge articles.
}

void DIzoDuzede::openOmen(const char*, int)
{
    // The omen window joins with the omen tables.
}

void DIzoDuzede::ShutDownApp()
{
    // Ask the event loop to end, then end the process at once: a naming run still going on is
    // cut off, nothing is waited for, and every failure here is ignored.
    if (ADOFenxi)
        ADOFenxi->close();
    if (ADOTem)
        ADOTem->close();
    ADOFenxi.reset();
    ADOTem.reset();
    m_connection.reset();
    QCoreApplication::quit();
    QFile::remove(qs(programFolder()) + QStringLiteral("Pelinda.ldb"));
    g_exitHook(0);
}
