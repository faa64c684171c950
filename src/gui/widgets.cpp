#include "gui/widgets.h"

#include "core/gbk.h"
#include "gui/messages.h"
#include "gui/qtext.h"

#include <QPainter>
#include <QTimer>

namespace yav {

MarqueeLabel::MarqueeLabel(const QString& text, QWidget* parent)
    : QLabel(parent)
    , m_text(text)
    , m_timer(new QTimer(this))
{
    setText(text);
    setMinimumWidth(100);
    connect(m_timer, &QTimer::timeout, this, &MarqueeLabel::step);
    m_timer->start(60);
}

void MarqueeLabel::step()
{
    const int textWidth = fontMetrics().horizontalAdvance(m_text);
    m_offset += 2;
    if (m_offset > width() + textWidth)
        m_offset = 0;
    update();
}

void MarqueeLabel::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setPen(palette().color(QPalette::WindowText));
    const int x = width() - m_offset;
    p.drawText(QRect(x, 0, fontMetrics().horizontalAdvance(m_text) + 4, height()), Qt::AlignVCenter | Qt::AlignLeft,
               m_text);
}

GbkLengthValidator::GbkLengthValidator(int maxBytes, QObject* parent)
    : QValidator(parent)
    , m_maxBytes(maxBytes)
{
}

QValidator::State GbkLengthValidator::validate(QString& input, int&) const
{
    return gbk::length(us(input)) <= static_cast<std::size_t>(m_maxBytes) ? Acceptable : Invalid;
}

bool checkGbkText(const QString& text, const QString& fieldName)
{
    const std::string bad = gbk::firstUnencodable(us(text));
    if (bad.empty())
        return true;
    ShowInfo(fieldName + QStringLiteral("中的字符“") + qs(bad) + QStringLiteral("”无法识别，请改用常用汉字。"));
    return false;
}

} // namespace yav
