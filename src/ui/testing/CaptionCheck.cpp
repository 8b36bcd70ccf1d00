#include "CaptionCheck.h"

#include "QtBridge.h"
#include "TForm.h"
#include "TGroupBox.h"
#include "TMainMenu.h"
#include "TPageControl.h"
#include "TScrollBox.h"
#include "TShape.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOption>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <algorithm>
#include <cstdlib>
#include <cxxabi.h>
#include <stdexcept>
#include <typeinfo>

namespace {

std::string FormName(TForm* form) {
    std::string name = form->Name();
    return (name.empty() ? std::string("form") : name) + " \"" + form->Caption() + "\"";
}

// The control's class as the code names it (TLabel, TShape ...).
std::string ClassName(TControl* control) {
    const char* mangled = typeid(*control).name();
    int status = 0;
    char* plain = abi::__cxa_demangle(mangled, nullptr, nullptr, &status);
    std::string name = status == 0 && plain ? plain : mangled;
    std::free(plain);
    return name;
}

// The control's name; a control made without one is named by its class and its nearest named
// parent (or the class of its own parent when none is named).
std::string ControlName(TControl* control) {
    if (!control->Name().empty()) {
        return control->Name();
    }
    std::string name = "unnamed " + ClassName(control);
    for (TControl* p = control->Parent(); p; p = p->Parent()) {
        if (!p->Name().empty()) {
            return name + " in " + p->Name();
        }
    }
    return control->Parent() ? name + " in an unnamed " + ClassName(control->Parent()) : name;
}

int MnemonicTextWidth(const QFontMetrics& metrics, const QString& text) {
    return metrics.size(Qt::TextShowMnemonic, text).width();
}

class Checker {
public:
    explicit Checker(TForm* form) : Form(form), Name(FormName(form)) {}

    void Walk(TControl* parent) {
        for (int i = 0; i < parent->ControlCount(); ++i) {
            TControl* child = parent->Controls(i);
            if (!child->Showing()) {
                continue;
            }
            CheckPlace(parent, child);
            CheckText(child);
            Walk(child);
        }
    }

    void CheckMenuBar() {
        TMainMenu* menu = Form->Menu();
        QMenuBar* bar = menu ? menu->MenuBar() : nullptr;
        if (!bar || !bar->isVisible()) {
            return;
        }
        auto* extension = bar->findChild<QToolButton*>("qt_menubar_ext_button");
        if (!extension || !extension->isVisible()) {
            return;
        }
        const int limit = extension->geometry().left();
        for (QAction* action : bar->actions()) {
            const QRect r = bar->actionGeometry(action);
            if (action->isVisible() && r.isValid() && r.right() >= limit) {
                Add(CaptionFault::Kind::MenuOverflow, "menu bar", action->text(), r.right() + 1, limit);
            }
        }
    }

    std::vector<CaptionFault> Faults;

private:
    void Add(CaptionFault::Kind kind, const std::string& control, const QString& text, int width, int room,
             bool vertical = false) {
        Faults.push_back({kind, Name, control, FromQ(text), width, room, vertical, {}});
    }

    void CheckPlace(TControl* parent, TControl* child) {
        // A scrolling box's children scroll into view; a page control places its sheets itself.
        auto* box = dynamic_cast<TScrollBox*>(parent);
        if ((box && box->AutoScroll()) || dynamic_cast<TPageControl*>(parent)) {
            return;
        }
        QWidget* w = child->Widget();
        QWidget* host = w ? w->parentWidget() : nullptr;
        if (!host) {
            return;
        }
        const QRect g = w->geometry();
        // A box that does not scroll clips its children at its viewport, not at its content area.
        const QRect room = box ? QRect(0, 0, box->ClientWidth(), box->ClientHeight()) : host->rect();
        // An LED shape that covers the whole panel it lights paints that panel, which clips it: the
        // front panels register some a pixel larger than their designed bodies (23 wide on the
        // 24ZO's 22-wide plain-port bodies, 6 high on the 24RA's and 24DA's 5-high lower bodies),
        // and the panel shows the LED's colour over all of itself either way.
        if (dynamic_cast<TShape*>(child) && g.contains(room)) {
            return;
        }
        const QString text = ToQ(child->Caption());
        if (g.left() < 0 || g.right() > room.right()) {
            Add(CaptionFault::Kind::OutsideParent, ControlName(child), text,
                g.left() < 0 ? g.left() : g.right() + 1, room.width());
        } else if (g.top() < 0 || g.bottom() > room.bottom()) {
            Add(CaptionFault::Kind::OutsideParent, ControlName(child), text,
                g.top() < 0 ? g.top() : g.bottom() + 1, room.height(), true);
        }
    }

    void Fit(const std::string& control, const QString& text, int width, int room) {
        if (!text.isEmpty() && width > room) {
            Add(CaptionFault::Kind::Clipped, control, text, width, room);
        }
    }

    // A text drawn from textLeft (in the widget's coordinates) is cut where a sibling stacked above
    // the widget covers it: a field placed over the end of its label.
    void Uncovered(const std::string& control, QWidget* w, const QString& text, int textLeft, int width) {
        QWidget* host = w->parentWidget();
        if (text.isEmpty() || !host) {
            return;
        }
        const QRect span(w->x() + textLeft, w->y(), width, w->height());
        bool above = false; // later children are drawn above earlier ones
        const QWidget* cover = nullptr;
        for (QObject* o : host->children()) {
            auto* sibling = qobject_cast<QWidget*>(o);
            if (sibling == w) {
                above = true;
                continue;
            }
            if (above && sibling && sibling->isVisible() && !sibling->isWindow() &&
                sibling->geometry().intersects(span) && (!cover || sibling->x() < cover->x())) {
                cover = sibling;
            }
        }
        if (cover) {
            TControl* by = ControlOfWidget(cover);
            Faults.push_back({CaptionFault::Kind::Clipped, Name, control, FromQ(text), width,
                              std::max(cover->x() - span.x(), 0), false, by ? ControlName(by) : "a widget"});
        }
    }

    void CheckButton(const std::string& control, QAbstractButton* button) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        QStyle::SubElement contents = QStyle::SE_PushButtonContents;
        if (qobject_cast<QCheckBox*>(button)) {
            contents = QStyle::SE_CheckBoxContents;
        } else if (qobject_cast<QRadioButton*>(button)) {
            contents = QStyle::SE_RadioButtonContents;
        }
        int room = button->style()->subElementRect(contents, &option, button).width();
        if (contents == QStyle::SE_PushButtonContents && !button->icon().isNull()) {
            room -= button->iconSize().width() + 4; // the glyph stands left of the caption
        }
        const int width = MnemonicTextWidth(button->fontMetrics(), button->text());
        Fit(control, button->text(), width, room);
        if (contents != QStyle::SE_PushButtonContents && width <= room) {
            Uncovered(control, button, button->text(),
                      button->style()->subElementRect(contents, &option, button).left(), width);
        }
    }

    void CheckText(TControl* control) {
        QWidget* w = control->Widget();
        const std::string name = ControlName(control);
        if (auto* label = qobject_cast<QLabel*>(w)) {
            if (!label->wordWrap()) {
                const int indent = label->margin() + std::max(label->indent(), 0);
                const int room = label->contentsRect().width() - label->margin() - indent;
                const int width = label->fontMetrics().size(0, label->text()).width();
                Fit(name, label->text(), width, room);
                if (width <= room && (label->alignment() & Qt::AlignLeft)) {
                    Uncovered(name, label, label->text(), label->contentsRect().left() + indent, width);
                }
            }
        } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            CheckButton(name, button);
        } else if (auto* box = qobject_cast<QGroupBox*>(w)) {
            if (auto* group = dynamic_cast<TGroupBox*>(control)) {
                CheckGroupTitle(name, group, box);
            }
            // A radio group's buttons are its own, not controls of their own.
            for (QAbstractButton* item : box->findChildren<QAbstractButton*>(Qt::FindDirectChildrenOnly)) {
                if (item->isVisible() && ControlOfWidget(item) == control) {
                    CheckButton(name + " item", item);
                }
            }
        } else if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
            CheckTabs(name, tabs->tabBar());
        } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
            CheckCombo(name, combo);
        }
    }

    void CheckGroupTitle(const std::string& name, TGroupBox* group, QGroupBox* box) {
        Fit(name + " title", box->title(), MnemonicTextWidth(box->fontMetrics(), box->title()),
            group->TitleRoom());
    }

    void CheckTabs(const std::string& name, QTabBar* bar) {
        const int space = bar->style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, bar);
        for (int i = 0; i < bar->count(); ++i) {
            if (!bar->isTabVisible(i)) {
                continue;
            }
            const QRect r = bar->tabRect(i);
            const QString text = bar->tabText(i);
            if (r.right() > bar->rect().right()) {
                Add(CaptionFault::Kind::OutsideParent, name + " tab", text, r.right() + 1, bar->width());
                continue;
            }
            Fit(name + " tab", text, MnemonicTextWidth(bar->fontMetrics(), text), r.width() - space);
        }
    }

    void CheckCombo(const std::string& name, QComboBox* combo) {
        QStyleOptionComboBox option;
        option.initFrom(combo);
        option.editable = combo->isEditable();
        option.frame = combo->hasFrame();
        option.subControls = QStyle::SC_All;
        const int room =
            combo->style()
                ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo)
                .width();
        QString widest;
        int width = 0;
        for (int i = 0; i < combo->count(); ++i) {
            const QString text = combo->itemText(i);
            const int w = combo->fontMetrics().horizontalAdvance(text);
            if (w > width) {
                width = w;
                widest = text;
            }
        }
        if (combo->isEditable() || combo->count() == 0) {
            const int w = combo->fontMetrics().horizontalAdvance(combo->currentText());
            if (w > width) {
                width = w;
                widest = combo->currentText();
            }
        }
        Fit(name, widest, width, room);
    }

    TForm* Form;
    std::string Name;
};

} // namespace

std::string CaptionFault::Describe() const {
    const std::string where = Form + ": " + Control + " \"" + Text + "\" ";
    switch (Fault) {
    case Kind::Clipped:
        return where + "needs " + std::to_string(TextWidth) + " px, has " + std::to_string(Room) +
               (CoveredBy.empty() ? "" : " before " + CoveredBy + " covers it");
    case Kind::OutsideParent:
        return where + (TextWidth < 0 ? "starts at " : "reaches ") + std::to_string(TextWidth) +
               " px, outside its parent's client " + (Vertical ? "height " : "width ") + std::to_string(Room);
    case Kind::MenuOverflow:
        return where + "ends at " + std::to_string(TextWidth) + " px, behind the overflow button at " +
               std::to_string(Room);
    }
    return where;
}

std::vector<CaptionFault> CheckCaptions(TForm* form) {
    if (!form || !form->Showing()) {
        throw std::invalid_argument("CheckCaptions: the form is not shown");
    }
    Checker checker(form);
    checker.Walk(form);
    checker.CheckMenuBar();
    return checker.Faults;
}

::testing::AssertionResult CaptionsReadWhole(TForm* form) {
    if (!form || !form->Showing()) {
        return ::testing::AssertionFailure() << "the form is not shown, so no caption can be checked";
    }
    const std::vector<CaptionFault> faults = CheckCaptions(form);
    if (faults.empty()) {
        return ::testing::AssertionSuccess();
    }
    ::testing::AssertionResult result = ::testing::AssertionFailure();
    result << faults.size() << " caption(s) do not read whole:";
    for (const CaptionFault& fault : faults) {
        result << "\n  " << fault.Describe();
    }
    return result;
}
