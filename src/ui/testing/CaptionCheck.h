// The caption check: does every caption of a shown form read whole?
//
// It looks at what is showing (hidden controls and the pages not turned to are not looked at; turn
// to a page and check again) and reports
// - a label, static text, button, check box, radio button (a radio group's too), group-box title,
//   tab or combo box whose text, in its own font, is wider than the room the control gives it (a
//   combo box: its widest item, since any of them may be chosen), and a label, check box or radio
//   button whose text runs under a control stacked above it (a field placed over the end of its
//   label): the room is then up to that control;
// - a control that leaves its parent's client area (children of a scrolling box excepted: they
//   scroll into view; so is an LED shape that covers its whole panel, which clips it), and a tab
//   that lies beyond its tab bar;
// - a menu-bar item that does not fit the bar (it hides behind the overflow button).
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

class TForm;

struct CaptionFault {
    // Clipped: TextWidth is the text's width, Room what the control gives it. OutsideParent:
    // TextWidth is the control's far edge (its left or top when that is negative), Room the parent's
    // client width (height when Vertical). MenuOverflow: TextWidth is the item's right edge, Room
    // where the overflow button starts.
    enum class Kind { Clipped, OutsideParent, MenuOverflow };
    Kind Fault;
    std::string Form;    // the form's name and caption
    std::string Control; // the control's name, or its kind and its parent's name when it has none
    std::string Text;    // the caption (a combo box: its widest item; a tab: its text)
    int TextWidth;
    int Room;
    bool Vertical = false;
    std::string CoveredBy; // Clipped by a control stacked over the text's end: that control's name

    std::string Describe() const;
};

std::vector<CaptionFault> CheckCaptions(TForm* form);

// For EXPECT_TRUE(CaptionsReadWhole(form)): every fault, one a line, when there is one.
::testing::AssertionResult CaptionsReadWhole(TForm* form);
