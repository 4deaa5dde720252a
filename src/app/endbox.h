#pragma once
// The thank-you window: the last window of every run. It shows a note with the maker's details
// and a picture; dismissing it in any way opens the maker's web address and ends the program.

#include <QString>

#include "ui/modal_form.h"

namespace aerlith::ui {
class CaptionLabel;
class ImageBox;
}  // namespace aerlith::ui

namespace aerlith::app {

/// The note's 17 lines, each preceded by a carriage return and a line feed.
QString ThankYouNote();

class Endbox : public ui::ModalForm {
    Q_OBJECT
public:
    /// `programDirectory` is where the picture "e6e.jpg" is found.
    explicit Endbox(QString programDirectory);

    /// The set-up: look, note, picture, scaling, centring and background. A missing picture
    /// leaves the picture empty.
    void Form_Load();

    ui::CaptionLabel* Label1(int index) const;
    ui::ImageBox& Image1() { return *image1_; }

    void Form_Click();
    void Label1_Click(int index);
    /// Escape dismisses the window; every other key is ignored.
    void Form_KeyPress(int keyAscii);
    /// The ending sequence: unload, open the maker's web address, end the program. It runs at
    /// most once, whatever close requests arrive while it runs.
    void Form_QueryUnload();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void ConnectLabel(int index);
    bool OnBackground(const QMouseEvent& event) const;

    QString programDirectory_;
    ui::ImageBox* image1_;
    bool pressedOnBackground_ = false;
    bool ending_ = false;
};

}  // namespace aerlith::app
