#pragma once
// The perpetual calendar (萤川日历): one solar month as a grid of days labelled with lunar days,
// lunar month names, festivals and solar terms, with spinners for the year and the month. Modal;
// it closes as soon as it loses activation. What it shows comes from the month grid of
// almanac/monthgrid.h.
#include "core/dates.h"

#include <QDialog>

#include <array>
#include <memory>

namespace Ui {
class TFRM_Date;
}
class QLabel;

class TFRM_Date : public QDialog {
    Q_OBJECT
public:
    static constexpr int CellCount = 37;

    explicit TFRM_Date(QWidget* parent = nullptr);
    ~TFRM_Date() override;

    // The date whose month opens and whose day is highlighted; today unless set before showing.
    yav::DayNumber shownDate() const { return ShownDate; }
    void setShownDate(yav::DayNumber date) { ShownDate = date; }

    // The labels of cell i (1..37), named DayLabel<i> and LunarLabel<i>.
    QLabel* dayLabel(int i) const { return DayLabels[static_cast<std::size_t>(i - 1)]; }
    QLabel* lunarLabel(int i) const { return LunarLabels[static_cast<std::size_t>(i - 1)]; }

    Ui::TFRM_Date* ui() const { return m_ui.get(); }

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    void FormShow();
    void FormDeactivate();
    void UpDown1Click();
    void UpDown2Click();
    void Label1Click();
    void Label17Click();
    void StaticText1Click();
    void CnDayClick(int cell);
    void CHnDayClick(int cell);
    void CnDayMouseDown(int cell);
    void ChnDateMouseDown(int cell);

    void applyLook();
    void wireHandlers();
    void CreateDayLabels();
    void ShowMonth(yav::DayNumber date);
    void moveHighlight(int cell);
    int cellOf(QObject* label) const; // 1..37, 0 when it is no cell label

    std::unique_ptr<Ui::TFRM_Date> m_ui;
    std::array<QLabel*, CellCount> DayLabels{};
    std::array<QLabel*, CellCount> LunarLabels{};
    std::array<int, CellCount> m_tags{}; // day number of each cell while it is in use
    QObject* m_pressed = nullptr;        // label under a mouse press, for its click on release
    bool m_wasActive = false;

    yav::DayNumber ShownDate = 0;
    int SelYear = 0;
    int SelMonth = 0;
    int SelDay = 0;
};

// Opens the perpetual calendar modally on today's month (menu 万年历法, toolbar 黄历).
void showPerpetualCalendar(QWidget* parent);
