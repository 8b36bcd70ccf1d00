#include "TGroupBox.h"

#include "QtBridge.h"

#include <QGroupBox>
#include <QPainter>
#include <QStyle>

namespace {

// The toolkit's group box: an etched frame whose top line runs through the middle of the caption,
// the caption on that line kTitleLeft pixels in. Qt's own style puts the title above the frame,
// which lowers the frame onto the first row of controls placed for the toolkit's box.
class FramedBox : public QGroupBox {
protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const QFontMetrics metrics = fontMetrics();
        const QRect frame = rect().adjusted(0, metrics.height() / 2, -1, -1);
        painter.setPen(palette().color(QPalette::Dark));
        painter.drawRect(frame.adjusted(0, 0, -1, -1));
        painter.setPen(palette().color(QPalette::Light));
        painter.drawRect(frame.adjusted(1, 1, 0, 0));
        if (title().isEmpty()) {
            return;
        }
        const int width = metrics.size(Qt::TextShowMnemonic, title()).width();
        const QRect text(TGroupBox::kTitleLeft, 0, width + 2 * TGroupBox::kTitlePadding, metrics.height());
        painter.fillRect(text, palette().color(backgroundRole()));
        style()->drawItemText(&painter, text, Qt::AlignCenter | Qt::TextShowMnemonic, palette(), isEnabled(),
                              title(), QPalette::WindowText);
    }
};

} // namespace

TGroupBox::TGroupBox(TComponent* owner) : TControl(owner), Box(new FramedBox()) {
    Box->setFocusPolicy(Qt::NoFocus);
    SetWidget(Box, 185, 105);
}

std::string TGroupBox::Caption() const {
    return FromQ(Box->title());
}
void TGroupBox::SetCaption(const std::string& caption) {
    TControl::SetCaption(caption);
    Box->setTitle(ToQ(caption));
}

int TGroupBox::TitleRoom() const {
    // From where the caption starts to the frame's right line, less the gap on each side of it.
    return Width() - kTitleLeft - 2 * kTitlePadding - 2;
}

void TGroupBox::AlignRect(int& left, int& top, int& right, int& bottom) const {
    TControl::AlignRect(left, top, right, bottom);
    left += 2;
    top += Box->fontMetrics().height() + 2;
    right -= 2;
    bottom -= 2;
}
