#include "almanac/DateWin.h"
#include "ui_DateWin.h"

#include "almanac/monthgrid.h"
#include "gui/fonts.h"
#include "gui/qtext.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QSignalBlocker>
#include <QSpinBox>

using namespace yav;

namespace {

constexpr int CellStepX = 42; // from one cell to the next in a row
constexpr int CellStepY = 32; // from one row to the next

QColor colour(std::uint32_t rgb) { return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF); }

void setTextColour(QWidget* w, const QColor& c)
{
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, c);
    w->setPalette(p);
}

void setFill(QWidget* w, const QColor& c)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Window, c);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

// The design's sizes are points at 96 dpi; the layout is in pixels, so the fonts are too.
int px(int points) { return (points * 96 + 36) / 72; }

// The design's Latin faces (Arial, Arial Black) with their nearest stand-ins on Debian.
QFont latin(int points, bool black)
{
    QFont f;
    f.setFamilies(black ? QStringList{QStringLiteral("Arial Black"), QStringLiteral("DejaVu Sans")}
                        : QStringList{QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                                      QStringLiteral("Nimbus Sans"), QStringLiteral("DejaVu Sans")});
    f.setPixelSize(px(points));
    f.setWeight(black ? QFont::Black : QFont::Normal);
    return f;
}

} // namespace

TFRM_Date::TFRM_Date(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      m_ui(std::make_unique<Ui::TFRM_Date>())
{
    m_ui->setupUi(this);
    FormCreate();
}

TFRM_Date::~TFRM_Date() = default;

void TFRM_Date::FormCreate()
{
    applyLook();
    CreateDayLabels();
    wireHandlers();
    ShownDate = today();
}

void TFRM_Date::applyLook()
{
    setFixedSize(339, 319);
    setFill(this, Qt::white);
    setFont(fonts::song(px(9)));

    auto& u = *m_ui;
    u.Label20->setFont(latin(48, true));
    setTextColour(u.Label20, colour(0xFFE8DD));
    u.Label16->setFont(latin(90, true));
    setTextColour(u.Label16, colour(0xEBEBEB));
    u.Label1->setFont(latin(22, true));
    setTextColour(u.Label1, Qt::blue);
    QFont month = latin(24, false);
    month.setBold(true);
    u.Label17->setFont(month);
    setTextColour(u.Label17, colour(0x8080C0));
    setFill(u.StaticText1, colour(0xCEF2D0));
    for (QLabel* sunday : {u.Label2, u.Label8, u.Label9, u.Label15})
        setTextColour(sunday, Qt::red);
    setFill(u.Shape2, colour(0x7EE281));
    u.day1->setFont(latin(9, true));
    u.Cnday->setFont(fonts::song(px(9)));
    setTextColour(u.Cnday, colour(LunarDayColour));
    // 隶书 has no counterpart among the installed faces; the bold serif comes closest.
    u.Label21->setFont(fonts::song(px(26), true));
    setTextColour(u.Label21, colour(0xDDDDFF));
    u.Label22->setFont(fonts::sans(px(14), true));
    setTextColour(u.Label22, colour(0xFF80FF));
}

void TFRM_Date::wireHandlers()
{
    connect(m_ui->UpDown1, &QSpinBox::valueChanged, this, &TFRM_Date::UpDown1Click);
    connect(m_ui->UpDown2, &QSpinBox::valueChanged, this, &TFRM_Date::UpDown2Click);
    for (QLabel* l : {m_ui->Label1, m_ui->Label17, m_ui->StaticText1})
        l->installEventFilter(this);
}

void TFRM_Date::CreateDayLabels()
{
    const QLabel* dayTemplate = m_ui->day1;
    const QLabel* lunarTemplate = m_ui->Cnday;
    QPoint dayPos = dayTemplate->pos();
    QPoint lunarPos = lunarTemplate->pos();
    for (int i = 1; i <= CellCount; ++i) {
        if (i > 1) {
            if ((i - 1) % 7 == 0) {
                dayPos = QPoint(dayTemplate->x(), dayPos.y() + CellStepY);
                lunarPos = QPoint(lunarTemplate->x(), lunarPos.y() + CellStepY);
            } else {
                dayPos.rx() += CellStepX;
                lunarPos.rx() += CellStepX;
            }
        }
        auto* day = new QLabel(this);
        day->setObjectName(QStringLiteral("DayLabel%1").arg(i));
        day->setGeometry(QRect(dayPos, dayTemplate->size()));
        day->setAlignment(dayTemplate->alignment());
        day->setFont(dayTemplate->font());
        setTextColour(day, Qt::black);
        day->setCursor(Qt::PointingHandCursor);
        day->installEventFilter(this);
        day->hide();

        auto* lunar = new QLabel(this);
        lunar->setObjectName(QStringLiteral("LunarLabel%1").arg(i));
        lunar->setGeometry(QRect(lunarPos, lunarTemplate->size()));
        lunar->setAlignment(lunarTemplate->alignment());
        lunar->setFont(lunarTemplate->font());
        setTextColour(lunar, lunarTemplate->palette().color(QPalette::WindowText));
        lunar->setCursor(Qt::PointingHandCursor);
        lunar->installEventFilter(this);
        lunar->hide();

        DayLabels[static_cast<std::size_t>(i - 1)] = day;
        LunarLabels[static_cast<std::size_t>(i - 1)] = lunar;
    }
}

void TFRM_Date::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return; // coming back from the task bar is no new showing
    if (QScreen* s = screen())
        move(s->availableGeometry().center() - rect().center());
    FormShow();
}

void TFRM_Date::FormShow()
{
    const Ymd v = toYmd(ShownDate);
    SelYear = v.year;
    SelMonth = v.month;
    SelDay = v.day;
    {
        // Placing the spinners is no user's move; outside 1901..2050 the year spinner rests at
        // its limit while the month shown stays the true one.
        const QSignalBlocker blockYear(m_ui->UpDown1);
        const QSignalBlocker blockMonth(m_ui->UpDown2);
        m_ui->UpDown1->setValue(SelYear);
        m_ui->UpDown2->setValue(SelMonth);
    }
    ShowMonth(ShownDate);
}

void TFRM_Date::ShowMonth(DayNumber date)
{
    const MonthGrid grid = buildMonthGrid(date);
    m_ui->Label20->setText(QString::number(grid.year));
    m_ui->Label1->setText(QString::number(grid.year));
    m_ui->Label17->setText(QString::number(grid.month));
    m_ui->Label16->setText(m_ui->Label17->text());
    m_ui->Label21->setText(qs(grid.animal));

    const QColor lunarDefault = m_ui->Cnday->palette().color(QPalette::WindowText);
    for (int i = 1; i <= CellCount; ++i) {
        QLabel* day = dayLabel(i);
        QLabel* lunar = lunarLabel(i);
        const MonthGridCell& cell = grid.cell(i);
        m_tags[static_cast<std::size_t>(i - 1)] = cell.day;
        QFont f = day->font();
        f.setPixelSize(px(11));
        day->setFont(f);
        setTextColour(day, Qt::black);
        if (!cell.used()) {
            day->hide();
            lunar->hide();
            setTextColour(lunar, lunarDefault);
            continue;
        }
        day->setText(QString::number(cell.day));
        lunar->setText(qs(cell.lunarText));
        setTextColour(lunar, colour(cell.lunarColour));
        day->show();
        lunar->show();
    }
    moveHighlight(grid.highlightCell);
    m_ui->Label22->setText(qs(grid.starSign));
}

void TFRM_Date::moveHighlight(int cell)
{
    if (cell < 1 || cell > CellCount)
        return;
    const QLabel* day = dayLabel(cell);
    m_ui->Shape2->move(day->x() - 1, day->y() + 1);
}

void TFRM_Date::UpDown1Click()
{
    SelYear = m_ui->UpDown1->value();
    ShowMonth(clampedDate(SelYear, SelMonth, SelDay));
}

void TFRM_Date::UpDown2Click()
{
    SelMonth = m_ui->UpDown2->value();
    ShowMonth(clampedDate(SelYear, SelMonth, SelDay));
}

void TFRM_Date::Label1Click()
{
    m_ui->UpDown1->show();
    m_ui->UpDown2->hide();
}

void TFRM_Date::Label17Click()
{
    m_ui->UpDown2->show();
    m_ui->UpDown1->hide();
}

void TFRM_Date::StaticText1Click()
{
    ShownDate = today();
    FormShow();
}

// A click records the day; the grid and the star sign stay as they are until the next move.
void TFRM_Date::CnDayClick(int cell)
{
    SelDay = m_tags[static_cast<std::size_t>(cell - 1)];
    ShownDate = clampedDate(SelYear, SelMonth, SelDay);
}

void TFRM_Date::CHnDayClick(int cell) { CnDayClick(cell); }

void TFRM_Date::CnDayMouseDown(int cell) { moveHighlight(cell); }

void TFRM_Date::ChnDateMouseDown(int cell) { moveHighlight(cell); }

void TFRM_Date::FormDeactivate() { close(); }

void TFRM_Date::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() != QEvent::ActivationChange)
        return;
    if (isActiveWindow())
        m_wasActive = true;
    else if (m_wasActive && isVisible())
        FormDeactivate();
}

int TFRM_Date::cellOf(QObject* label) const
{
    for (int i = 1; i <= CellCount; ++i) {
        if (label == dayLabel(i) || label == lunarLabel(i))
            return i;
    }
    return 0;
}

bool TFRM_Date::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        const auto* me = static_cast<QMouseEvent*>(event);
        if (const int cell = cellOf(watched)) {
            if (watched == dayLabel(cell))
                CnDayMouseDown(cell);
            else
                ChnDateMouseDown(cell);
        }
        m_pressed = me->button() == Qt::LeftButton ? watched : nullptr;
        return false;
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto* me = static_cast<QMouseEvent*>(event);
        auto* w = qobject_cast<QWidget*>(watched);
        const bool click = me->button() == Qt::LeftButton && watched == m_pressed && w && w->rect().contains(me->position().toPoint());
        m_pressed = nullptr;
        if (!click)
            return false;
        if (watched == m_ui->Label1)
            Label1Click();
        else if (watched == m_ui->Label17)
            Label17Click();
        else if (watched == m_ui->StaticText1)
            StaticText1Click();
        else if (const int cell = cellOf(watched)) {
            if (watched == dayLabel(cell))
                CnDayClick(cell);
            else
                CHnDayClick(cell);
        }
        return false;
    }
    return QDialog::eventFilter(watched, event);
}

void showPerpetualCalendar(QWidget* parent)
{
    TFRM_Date window(parent);
    window.exec();
}
