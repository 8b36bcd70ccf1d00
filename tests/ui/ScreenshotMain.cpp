// Writes pictures of two sample forms, to look at how the widget layer lays controls out, and of the
// help viewer with the program's help and with a help file that is not there:
//   bash scripts/with-display.sh build/test/tests/ui/ui_screenshots DIR
// writes DIR/controls.png, monitor.png, help.png and help-missing.png.
// Not a test: nothing here is checked automatically.
#include "HelpViewer.h"
#include "PictureFiles.h"
#include "TApplication.h"
#include "TBitBtn.h"
#include "TButton.h"
#include "TChart.h"
#include "TCheckBox.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TForm.h"
#include "TGroupBox.h"
#include "TLabel.h"
#include "TListView.h"
#include "TMemo.h"
#include "TPageControl.h"
#include "TPanel.h"
#include "TRadioGroup.h"
#include "TStaticText.h"
#include "TStatusBar.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPixmap>
#include <QWidget>
#include <cmath>
#include <cstdio>
#include <memory>
#include <string>

namespace {

template <class T> T* Make(TForm* form, TControl* parent, int left, int top, int width, int height) {
    auto* c = new T(form);
    c->SetParent(parent);
    c->SetBounds(left, top, width, height);
    return c;
}

TLabel* MakeLabel(TForm* form, TControl* parent, int left, int top, const std::string& caption) {
    auto* label = new TLabel(form);
    label->SetParent(parent);
    label->SetLeft(left);
    label->SetTop(top);
    label->SetCaption(caption);
    return label;
}

// A dedicated dialog of the usual shape: fields on the left, a button column on the right.
TForm* BuildControlsForm(const QString& dir) {
    TForm* form = CreateForm<TForm>(nullptr);
    form->SetCaption("Static VLAN: 10.90.90.90");
    form->SetBorderStyle(bsSingle);
    form->SetClientWidth(560);
    form->SetClientHeight(330);

    auto* right = Make<TPanel>(form, form, 0, 0, 110, 0);
    right->SetAlign(alRight);
    auto* count = Make<TStaticText>(form, right, 15, 12, 80, 20);
    count->SetAutoSize(false);
    count->SetBorderStyle(sbsSunken);
    count->SetAlignment(taCenter);
    count->SetCaption("4");
    MakeLabel(form, right, 32, 36, "Samples");
    int top = 64;
    for (const char* caption : {"Refresh", "Add", "Edit", "Delete"}) {
        Make<TButton>(form, right, 15, top, 80, 25)->SetCaption(caption);
        top += 32;
    }
    QImage glyph(16, 16, QImage::Format_RGB32);
    glyph.fill(Qt::magenta);
    for (int i = 3; i < 13; ++i) {
        glyph.setPixelColor(i, i, Qt::darkRed);
        glyph.setPixelColor(15 - i, i, Qt::darkRed);
    }
    glyph.setPixelColor(0, 15, Qt::magenta);
    SavePicture(QPixmap::fromImage(glyph), dir + "/Close.bmp", "BMP");
    auto* close = Make<TBitBtn>(form, right, 15, top, 80, 25);
    close->Glyph()->LoadFromFile((dir + "/Close.bmp").toStdString());
    close->SetCaption("Close");

    auto* box = Make<TGroupBox>(form, form, 8, 6, 440, 170);
    box->SetCaption("VLAN");
    MakeLabel(form, box, 12, 26, "VID (1-4094)");
    Make<TEdit>(form, box, 130, 22, 120, 21)->SetText("10");
    MakeLabel(form, box, 12, 56, "VLAN Name");
    Make<TEdit>(form, box, 130, 52, 180, 21)->SetText("management");
    MakeLabel(form, box, 12, 86, "Advertisement");
    auto* combo = Make<TComboBox>(form, box, 130, 82, 120, 21);
    combo->SetStyle(csDropDownList);
    combo->Items().Assign({"enabled", "disabled"});
    combo->SetItemIndex(0);
    auto* tagged = Make<TCheckBox>(form, box, 12, 116, 120, 17);
    tagged->SetCaption("Tagged ports");
    tagged->SetChecked(true);
    Make<TCheckBox>(form, box, 140, 116, 150, 17)->SetCaption("Forbidden ports");
    auto* mode = Make<TRadioGroup>(form, box, 320, 14, 110, 70);
    mode->SetCaption("Mode");
    mode->Items().Assign({"Link", "PoE"});
    mode->SetItemIndex(0);

    auto* memo = Make<TMemo>(form, form, 8, 184, 440, 110);
    memo->Lines().Add("Get: OK. Receive at 14:52:03.");
    memo->Lines().Add("Set: OK. Receive at 14:52:09.");
    auto* status = Make<TPanel>(form, form, 0, 0, 0, 22);
    status->SetAlign(alBottom);
    status->SetBevelOuter(bvLowered);
    status->SetAlignment(taLeftJustify);
    status->SetCaption(" Ok! 14:52:09");
    return form;
}

// The port counter monitor's shape: a port list, pages with a chart, a status bar.
TForm* BuildMonitorForm() {
    TForm* form = CreateForm<TForm>(nullptr);
    form->SetCaption("Transparent Bridge Port Counters: 10.90.90.90");
    form->SetClientWidth(640);
    form->SetClientHeight(480);

    auto* status = new TStatusBar(form);
    status->SetParent(form);
    status->Panels().Add()->SetWidth(50);
    status->Panels()[0]->SetText("Get: OK. Request:[Port Number, Max Information]. Receive at 14:52:03.");

    auto* right = Make<TPanel>(form, form, 0, 0, 98, 0);
    right->SetAlign(alRight);
    MakeLabel(form, right, 10, 10, "System Time:");
    auto* time = Make<TStaticText>(form, right, 10, 28, 78, 20);
    time->SetAutoSize(false);
    time->SetBorderStyle(sbsSunken);
    time->SetAlignment(taCenter);
    time->Font()->SetColor(clBlue);
    time->SetCaption(" 14:52:03 ");
    int top = 60;
    for (const char* caption : {"Refresh", "Start", "Pause"}) {
        Make<TButton>(form, right, 10, top, 78, 25)->SetCaption(caption);
        top += 32;
    }
    auto* threeD = Make<TCheckBox>(form, right, 10, top, 80, 17);
    threeD->SetCaption("3D Line");

    auto* list = Make<TListView>(form, form, 0, 0, 0, 130);
    list->SetAlign(alTop);
    list->SetGridLines(true);
    list->SetHideSelection(false);
    for (const char* caption : {"Port Number", "Max Information"}) {
        TListColumn* column = list->Columns().Add();
        column->SetCaption(caption);
        column->SetWidth(-2);
    }
    for (int port = 1; port <= 8; ++port) {
        TListItem* item = list->Items().Add();
        item->SetCaption(std::to_string(port));
        item->SubItems().Add("1518");
    }
    list->SetSelected(list->Items()[2]);

    auto* pages = Make<TPageControl>(form, form, 0, 0, 0, 0);
    pages->SetAlign(alClient);
    auto* table = new TTabSheet(form);
    table->SetPageControl(pages);
    table->SetCaption("Port Counter Table");
    auto* traffic = new TTabSheet(form);
    traffic->SetPageControl(pages);
    traffic->SetCaption("Port Traffic");
    auto* chart = Make<TChart>(form, traffic, 0, 0, 0, 0);
    chart->SetAlign(alClient);
    chart->SetView3D(true);
    struct Line {
        const char* Title;
        TColor Colour;
        double Scale;
    } lines[] = {
        {"Input Frames", clRed, 900}, {"Output Frames", clGreen, 600}, {"Discard Frames", clYellow, 80}};
    for (const Line& l : lines) {
        auto* series = new TLineSeries(form);
        series->SetTitle(l.Title);
        series->SetSeriesColor(l.Colour);
        series->SetParentChart(chart);
        for (int i = 0; i < 20; ++i) {
            char label[16];
            std::snprintf(label, sizeof label, " 14:51:%02d ", 40 + i);
            series->Add(l.Scale * (1.2 + std::sin(i / 3.0 + l.Scale)), label);
        }
    }
    pages->SetActivePage(traffic);
    return form;
}

void SaveWidget(QWidget* widget, const QString& path) {
    for (int i = 0; i < 5; ++i) {
        Application->ProcessMessages();
    }
    QPixmap picture = widget->grab();
    if (SavePicture(picture, path)) {
        std::printf("%s: %dx%d\n", qPrintable(path), picture.width(), picture.height());
    }
}

void Save(TForm* form, const QString& path) {
    form->Show();
    SaveWidget(form->Widget(), path);
}

void SaveHelp(const std::string& helpFile, const QString& path) {
    ShowHelp(helpFile, HELP_CONTENTS);
    SaveWidget(ProgramHelpWindow(), path);
}

} // namespace

int main(int argc, char** argv) {
    QApplication qtApp(argc, argv);
    Application->Initialize(argc, argv);
    QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
    if (!MakePictureFolder(dir)) {
        return PicturesExitStatus(); // the controls form reads a glyph it writes there
    }
    std::unique_ptr<TForm> controls(BuildControlsForm(dir));
    Save(controls.get(), dir + "/controls.png");
    std::unique_ptr<TForm> monitor(BuildMonitorForm());
    Save(monitor.get(), dir + "/monitor.png");
    SaveHelp(ZQS_HELP_FILE, dir + "/help.png");
    SaveHelp((dir + "/no-such-help.html").toStdString(), dir + "/help-missing.png");
    ShowHelp("", HELP_QUIT);
    Application->DestroyForms();
    return PicturesExitStatus();
}
