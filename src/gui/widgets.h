#pragma once
// Small widgets shared by the windows.
#include <QLabel>
#include <QValidator>

class QTimer;

namespace yav {

// A label whose text scrolls from right to left, over and over.
class MarqueeLabel : public QLabel {
    Q_OBJECT
public:
    explicit MarqueeLabel(const QString& text, QWidget* parent = nullptr);
    QString marqueeText() const { return m_text; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void step();
    QString m_text;
    QTimer* m_timer;
    int m_offset = 0;
};

// Limits an edit to a number of GBK bytes (a Chinese character counts two). Characters that GBK
// cannot encode are let through here and refused with a message where the text is used, so
// the user learns why.
class GbkLengthValidator : public QValidator {
    Q_OBJECT
public:
    GbkLengthValidator(int maxBytes, QObject* parent);
    State validate(QString& input, int& pos) const override;

private:
    int m_maxBytes;
};

// The text of an edit when GBK can hold all of it; otherwise shows a message naming the first
// character it cannot hold, puts the focus back and returns false.
bool checkGbkText(const QString& text, const QString& fieldName);

} // namespace yav
