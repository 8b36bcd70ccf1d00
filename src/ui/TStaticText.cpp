#include "TStaticText.h"

#include <QLabel>

TStaticText::TStaticText(TComponent* owner) : TLabel(owner) {
    Label->setMargin(1);
}

void TStaticText::SetBorderStyle(TStaticBorderStyle style) {
    Border = style;
    switch (style) {
    case sbsNone:
        Label->setFrameStyle(QFrame::NoFrame);
        break;
    case sbsSingle:
        Label->setFrameStyle(QFrame::Box | QFrame::Plain);
        break;
    case sbsSunken:
        Label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        break;
    }
    Label->setLineWidth(1);
    FitToText();
}
