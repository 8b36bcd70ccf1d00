#include "PanelPictures.h"

#include "JpegDecoder.h"
#include "TGraphics.h"
#include "TImageList.h"

bool LoadPanelPicture(PanelModel model, TBitmap& picture) {
    return LoadJpeg(PanelPictureJpeg(model), picture);
}

int LoadUnitDigitImages(TImageList& list) {
    int added = 0;
    for (int i = 0; i < 11; ++i) {
        TBitmap digit;
        if (LoadJpeg(UnitDigitJpeg(i), digit)) {
            list.Add(digit);
            ++added;
        }
    }
    return added;
}
