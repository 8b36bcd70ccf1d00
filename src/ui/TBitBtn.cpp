#include "TBitBtn.h"

#include <QBitmap>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QPushButton>

TBitBtn::TBitBtn(TComponent* owner) : TButton(owner) {
    GlyphBitmap.OnChange = [this] { GlyphChanged(); };
}

void TBitBtn::SetNumGlyphs(int count) {
    GlyphCount = std::max(1, count);
    GlyphChanged();
}

void TBitBtn::GlyphChanged() {
    if (GlyphBitmap.Empty()) {
        Button->setIcon(QIcon());
        return;
    }
    const QImage& all = GlyphBitmap.Image();
    QImage first = all.copy(0, 0, all.width() / GlyphCount, all.height());
    QPixmap pixmap = QPixmap::fromImage(first);
    QColor transparent = first.pixelColor(0, first.height() - 1);
    pixmap.setMask(pixmap.createMaskFromColor(transparent, Qt::MaskInColor));
    Button->setIcon(QIcon(pixmap));
    Button->setIconSize(pixmap.size());
}
