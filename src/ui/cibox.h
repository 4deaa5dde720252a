#pragma once
// The message and choice box: a title, a block of text and, for a short text, the push buttons
// "OK" and "Skip". It is laid out afresh and shown modally for every message; the choice comes
// back in BoxAnswer.

#include <QString>
#include <cstdint>

#include "ui/modal_form.h"

namespace aerlith::ui {

class CaptionLabel;
class CheckButton;

/// Texts of at most this many characters get the short layout with "OK" and "Skip"; longer
/// ones the long layout: a wider box, left-aligned text and no buttons.
inline constexpr qsizetype kShortTextMaxLength = 70;

class Cibox : public ModalForm {
    Q_OBJECT
public:
    /// The box as designed: "OK" (buttonplus1(0)) and one label (Label1(0)), not yet loaded.
    Cibox();

    /// The load handler: adds the "Skip" button, applies the standard look, BoxAnswer := 2.
    void Form_Load();
    /// Adds the shadow label and lays the box out for `text` under the caption `title` + three
    /// blanks, short or long by the length of `text`; scales, centres and paints it.
    void LayOut(const QString& text, const QString& title);

    /// Member `index` of the buttons (0 "OK", 1 "Skip") or of the labels; nullptr if absent.
    CheckButton* ButtonPlus1(int index) const;
    CaptionLabel* Label1(int index) const;

    /// The text the box shows.
    QString Text() const;
    /// True when the box was laid out without buttons.
    bool IsLongLayout() const { return longLayout_; }

    void buttonplus1_Click(int index);
    void buttonplus1_KeyPress(int index, int keyAscii);
    void buttonplus1_MouseMove(int index);
    void Label1_Click(int index);
    void Form_KeyPress(int keyAscii);
    void Form_MouseMove();
    /// The close request: unloads the box; later requests have no effect.
    void Form_QueryUnload();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void ConnectButton(int index);
    void ConnectLabel(int index);

    bool longLayout_ = false;
};

/// Builds the box for `text` under `title`, shows it modally and returns once it is closed.
/// The choice is left in BoxAnswer: 1 for "OK", 2 for "Skip" or any other way of closing.
/// `subject`, when given, is what the question is about, shown elsewhere (the candidate in the
/// entry box): a screen reader reads it first, then the text.
void ShowInfoBox(const QString& text, const QString& title, const QString& subject = QString());

}  // namespace aerlith::ui

namespace aerlith::ui::calcmodd {

/// The answer of the last box: set to 2 whenever the box loads, to 1 when "OK" is chosen and
/// to 2 when "Skip" is. A caller may set it before showing a box.
std::int32_t& BoxAnswer();

}  // namespace aerlith::ui::calcmodd
