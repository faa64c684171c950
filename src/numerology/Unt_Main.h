#pragma once
// The name-analysis window (姓名分析): a full name and a birth moment in, the report of
// numerology/analysis.h out, with saving and printing of the report. Modal; opened afresh by
// ShowNameAnalysis for every hand-off from the main window.
#include <QDialog>
#include <QString>

#include <memory>

namespace Ui {
class TFrmmain;
}
class QPrinter;

class TFrmmain : public QDialog {
    Q_OBJECT
public:
    explicit TFrmmain(QWidget* parent = nullptr);
    ~TFrmmain() override;

    // Puts the hand-off's values into the inputs, in this order: family name, sex (男 picks 男,
    // anything else 女), year, month, day, hour item and minute as texts, calendar (0 公历,
    // 1 农历), given name.
    void fill(const QString& family, const QString& sex, const QString& year, const QString& month,
              const QString& day, const QString& hour, const QString& minute, int calendarIndex,
              const QString& given);

    Ui::TFrmmain* ui() const { return m_ui.get(); }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void applyLook();
    void wireHandlers();

    void FormShow();
    void RzButton1Click();
    void dxBarButton2Click();
    void RzBitBtnprintClick();
    void dxBarButton5Click();
    void ScrollToTop();

    std::unique_ptr<Ui::TFrmmain> m_ui;
    std::unique_ptr<QPrinter> m_printer;
    QString m_family; // names of the last analysis: the save dialog proposes them
    QString m_given;
    QString m_saveName; // what the save dialog held after the last save
};

// Opens the name-analysis window filled with the given values and shows it modally; returns when
// it is closed. With both names present the report is made at once.
void ShowNameAnalysis(QWidget* parent, const QString& family, const QString& sex, const QString& year,
                      const QString& month, const QString& day, const QString& hour, const QString& minute,
                      int calendarIndex, const QString& given);

// The given name that a double click on a high-score list line (欧阳明轩(95分)) hands over, with the
// family name as the main window holds it.
QString handOffGivenName(const QString& line, const QString& family);
