// The window `Form1` and its 138 controls, named as in the window's design, with a
// named accessor for every control that holds the exercise's state rather than showing
// it. The handlers work on this class; app/form1.h wires them to its events.
#pragma once

#include "toolkit/controls/button.h"
#include "toolkit/controls/cell.h"
#include "toolkit/controls/image.h"
#include "toolkit/controls/label.h"
#include "toolkit/controls/line.h"
#include "toolkit/controls/listbox.h"
#include "toolkit/controls/panel.h"
#include "toolkit/controls/scrollbar.h"
#include "toolkit/controls/shape.h"
#include "toolkit/controls/timer.h"
#include "toolkit/platform/platform.h"

#include <QWidget>
#include <array>
#include <span>

namespace pizarrin {

// The window's title. The scripts that look for the window on a desktop read it from this
// line.
inline constexpr QStringView mainWindowTitle = u"Realiza la multiplicación";

class Form1Controls : public QWidget {
    Q_OBJECT

public:
    const Platform& platform() const { return platform_; }

    // True once the window has been closed: a prompt loop must not keep a closing
    // program alive.
    bool isClosing() const { return closing_; }

    // Answer row r: 1 to 6 are the partial-product rows Text1 to Text6, 7 is the
    // product row Text7. Index 0 is the units cell.
    std::span<Cell* const> row(int r) const;

    // The exercise's state, each field in the control that holds it (the design's name
    // after the colon). Numbers are plain decimal captions, flags "1" and "0".
    Label* pupil() const { return Label15; } // number and name, 12 characters: Label15
    Label* firstDigitCount() const { return Label18; } // the first factor's digits: Label18
    Label* secondDigitCount() const { return Label19; } // the second factor's: Label19
    Label* firstFactor() const { return Label1; } // hidden panel: Label1
    Label* secondFactor() const { return Label2; } // hidden panel: Label2
    Label* product() const { return Label3; } // hidden panel: Label3
    Label* rowCount() const { return Label4; } // partial-product rows in use: Label4
    // The expected partial product of row r (1 to 6), "" above the rows in use:
    // Label5 to Label10.
    Label* expectedPartialProduct(int r) const;
    // Row r's line (1 to 6): its caption is "1" when row r is a zero row, and its top
    // is the notebook line where row r stands at home: Label24(r - 1).
    Label* rowLine(int r) const { return Label24[std::size_t(r - 1)]; }
    Label* zeroRowCount() const { return Label25; } // zero rows found so far: Label25
    // The clock's whole second when the exercise started, the seconds it took once
    // it is right: Label21.
    Label* startSecond() const { return Label21; }
    Label* lastRowLeft() const { return Label22; } // the last row's cell m, shown only: Label22
    Label* grade() const { return Label16; } // out of 10: Label16
    Label* verdict() const { return Label14; } // "BIEN", "MAL" or "": Label14
    Label* errorFlag() const { return Label20; } // "1" once a row is found wrong: Label20
    Label* rowBeingRead() const { return Label11; } // the text of the row last read: Label11
    // Row r's text as last read (1 to 6, 7 for the product row): Label26(r - 1).
    Label* rowAsRead(int r) const { return Label26[std::size_t(r - 1)]; }

    // The controls, named as in the window's design. The window owns them all.
    Button* Command1 = nullptr;
    Button* Command2 = nullptr;
    Button* Command3 = nullptr;
    Timer* Timer1 = nullptr;
    ListBox* List1 = nullptr;
    Panel* Picture1 = nullptr;
    Panel* Picture2 = nullptr;
    Shape* Shape1 = nullptr;
    ScrollBar* HScroll1 = nullptr;
    ScrollBar* HScroll2 = nullptr;
    Label* Label1 = nullptr;
    Label* Label2 = nullptr;
    Label* Label3 = nullptr;
    Label* Label4 = nullptr;
    Label* Label5 = nullptr;
    Label* Label6 = nullptr;
    Label* Label7 = nullptr;
    Label* Label8 = nullptr;
    Label* Label9 = nullptr;
    Label* Label10 = nullptr;
    Label* Label11 = nullptr;
    Label* Label12 = nullptr;
    Label* Label13 = nullptr;
    Label* Label14 = nullptr;
    Label* Label15 = nullptr;
    Label* Label16 = nullptr;
    Label* Label17 = nullptr;
    Label* Label18 = nullptr;
    Label* Label19 = nullptr;
    Label* Label20 = nullptr;
    Label* Label21 = nullptr;
    Label* Label22 = nullptr;
    Label* Label23 = nullptr;
    std::array<Label*, 6> Label24 {};
    Label* Label25 = nullptr;
    std::array<Label*, 7> Label26 {};
    std::array<Cell*, 7> Text1 {};
    std::array<Cell*, 7> Text2 {};
    std::array<Cell*, 7> Text3 {};
    std::array<Cell*, 7> Text4 {};
    std::array<Cell*, 7> Text5 {};
    std::array<Cell*, 7> Text6 {};
    std::array<Cell*, 13> Text7 {};
    Line* Line1 = nullptr;
    Line* Line2 = nullptr;
    std::array<Line*, 9> Line3 {};
    std::array<Line*, 16> Line4 {};
    std::array<Image*, 7> Image1 {};
    Image* Image2 = nullptr;
    Image* Image3 = nullptr;

protected:
    // Builds the window and its controls in their design state, before start-up.
    explicit Form1Controls(Platform platform, QWidget* parent = nullptr);

    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void createControls(); // the design, in form1_layout.cpp
    void setFocusOrder();

    Platform platform_;
    bool closing_ = false;
};

} // namespace pizarrin
