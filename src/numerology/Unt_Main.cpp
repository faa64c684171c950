#include "numerology/Unt_Main.h"
#include "ui_Unt_Main.h"

#include "gui/fonts.h"
#include "gui/messages.h"
#include "gui/printtext.h"
#include "gui/qtext.h"
#include "gui/savetext.h"
#include "gui/widgets.h"
#include "numerology/analysis.h"

#include <QLinearGradient>
#include <QPrinter>
#include <QScrollBar>
#include <QShowEvent>
#include <QTextCursor>

using namespace yav;

TFrmmain::TFrmmain(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                          | Qt::WindowCloseButtonHint),
      m_ui(std::make_unique<Ui::TFrmmain>())
{
    m_ui->setupUi(this);
    applyLook();
    wireHandlers();
}

TFrmmain::~TFrmmain() = default;

void TFrmmain::applyLook()
{
    auto& u = *m_ui;
    setFont(fonts::song(12));
    // The picture behind the report: a soft paper tone from top to bottom.
    QLinearGradient paper(0, 0, 0, 580);
    paper.setColorAt(0, QColor(0xFB, 0xF3, 0xE4));
    paper.setColorAt(1, QColor(0xEE, 0xDC, 0xBE));
    QPalette p = palette();
    p.setBrush(QPalette::Window, paper);
    setPalette(p);

    u.NameA->setValidator(new GbkLengthValidator(4, u.NameA));
    u.NameB->setValidator(new GbkLengthValidator(4, u.NameB));
    u.Sex->addItems({QStringLiteral("男"), QStringLiteral("女")});
    u.ComDate->addItems({QStringLiteral("公历"), QStringLiteral("农历")});
    for (int y = 1900; y <= 2040; ++y)
        u.SYear->addItem(QString::number(y));
    for (int m = 1; m <= 12; ++m)
        u.SMonth->addItem(QString::number(m));
    for (int d = 1; d <= 31; ++d)
        u.Sday->addItem(QString::number(d));
    for (auto h : HourItems)
        u.Shour->addItem(qs(h));
    for (int m = 0; m < 60; ++m)
        u.RzComboBox8->addItem(QStringLiteral("%1").arg(m, 2, 10, QLatin1Char('0')));
    u.SYear->setCurrentText(QStringLiteral("1980"));
    u.SMonth->setCurrentText(QStringLiteral("1"));
    u.Sday->setCurrentText(QStringLiteral("1"));
    u.Shour->setCurrentText(QStringLiteral("子 0"));
    u.RzComboBox8->setCurrentText(QStringLiteral("0"));

    QPalette hint = u.Label20->palette();
    hint.setColor(QPalette::WindowText, QColor(0x80, 0x00, 0x00));
    u.Label20->setPalette(hint);

    // Reports are laid out for a face in which a Chinese character is two blanks wide.
    u.RzMemo1->setFont(fonts::mono(14));
    u.RzButton1->setDefault(true);
    for (QPushButton* b : {u.RzBitBtnprint, u.BitBtnsave, u.RzBitBtn4})
        b->setAutoDefault(false);
}

void TFrmmain::wireHandlers()
{
    connect(m_ui->RzButton1, &QPushButton::clicked, this, &TFrmmain::RzButton1Click);
    connect(m_ui->BitBtnsave, &QPushButton::clicked, this, &TFrmmain::dxBarButton2Click);
    connect(m_ui->RzBitBtnprint, &QPushButton::clicked, this, &TFrmmain::RzBitBtnprintClick);
    connect(m_ui->RzBitBtn4, &QPushButton::clicked, this, &TFrmmain::dxBarButton5Click);
}

void TFrmmain::fill(const QString& family, const QString& sex, const QString& year, const QString& month,
                    const QString& day, const QString& hour, const QString& minute, int calendarIndex,
                    const QString& given)
{
    auto& u = *m_ui;
    u.NameA->setText(family);
    u.Sex->setCurrentIndex(sex == QStringLiteral("男") ? 0 : 1);
    u.SYear->setCurrentText(year);
    u.SMonth->setCurrentText(month);
    u.Sday->setCurrentText(day);
    u.Shour->setCurrentText(hour);
    u.RzComboBox8->setCurrentText(minute);
    u.ComDate->setCurrentIndex(calendarIndex == 1 ? 1 : 0);
    u.NameB->setText(given);
}

void TFrmmain::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TFrmmain::FormShow()
{
    if (!m_ui->NameA->text().trimmed().isEmpty() && !m_ui->NameB->text().trimmed().isEmpty())
        RzButton1Click();
    m_ui->NameA->setFocus();
}

void TFrmmain::RzButton1Click()
{
    auto& u = *m_ui;
    AnalysisInput in;
    in.family = us(u.NameA->text());
    in.given = us(u.NameB->text());
    in.sex = us(u.Sex->currentText());
    in.calendar = u.ComDate->currentIndex();
    in.year = us(u.SYear->currentText());
    in.month = us(u.SMonth->currentText());
    in.day = us(u.Sday->currentText());
    in.hour = us(u.Shour->currentText());
    in.minute = us(u.RzComboBox8->currentText());

    const AnalysisResult r = analyseName(in);
    if (r.refused()) {
        ShowInfo(qs(r.message));
        return;
    }
    m_family = u.NameA->text().trimmed();
    m_given = u.NameB->text().trimmed();
    u.RzMemo1->setPlainText(joinLines(r.lines));
    ScrollToTop();
    if (!r.databaseError.empty())
        ShowError(QStringLiteral("读取姓名数据时出错，分析未能完成：\n") + qs(r.databaseError), this);
}

void TFrmmain::ScrollToTop()
{
    m_ui->RzMemo1->moveCursor(QTextCursor::Start);
    m_ui->RzMemo1->verticalScrollBar()->setValue(0);
    m_ui->RzMemo1->horizontalScrollBar()->setValue(0);
}

void TFrmmain::dxBarButton2Click()
{
    const QString text = m_ui->RzMemo1->toPlainText();
    if (text.trimmed().isEmpty())
        return;
    saveTextWithDialog(this, m_saveName, m_family + m_given, text);
}

void TFrmmain::RzBitBtnprintClick()
{
    const QString text = m_ui->RzMemo1->toPlainText();
    if (text.trimmed().isEmpty())
        return;
    if (!m_printer)
        m_printer = makeTextPrinter();
    printText(*m_printer, text);
}

void TFrmmain::dxBarButton5Click() { close(); }

void ShowNameAnalysis(QWidget* parent, const QString& family, const QString& sex, const QString& year,
                      const QString& month, const QString& day, const QString& hour, const QString& minute,
                      int calendarIndex, const QString& given)
{
    TFrmmain window(parent);
    window.fill(family, sex, year, month, day, hour, minute, calendarIndex, given);
    window.exec();
}

QString handOffGivenName(const QString& line, const QString& family)
{
    return qs(givenNameOfLine(us(line), us(family)));
}
