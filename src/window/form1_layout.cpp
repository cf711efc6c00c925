// The window's design: every control with its name, container, caption, geometry in
// twips, font, colours and visibility at start. Controls are created bottom first, so
// later ones are drawn above earlier ones: lines, pictures and labels lie beneath the
// scroll bars and cells, the help text beneath the results list, and the hidden panel
// above the results list.
#include "window/form1_controls.h"
#include "window/worksheet.h"

using namespace Qt::StringLiterals;

namespace pizarrin {

namespace {

constexpr Colour windowBackground = systemColour(SystemColour::WindowBackground);
constexpr Colour windowText = systemColour(SystemColour::WindowText);
constexpr Colour gridBlue = rgbColour(0, 0, 192);
constexpr Colour unitsYellow = rgbColour(255, 255, 192); // each row's units cell

constexpr FontDesign timesBoldItalic(double points)
{
    return {.face = Face::TimesNewRoman, .points = points, .bold = true, .italic = true};
}

QString indexed(QStringView name, int index)
{
    return name.toString() + u'(' + QString::number(index) + u')';
}

// The partial-product rows' home lines, one notebook line apart.
constexpr int rowTop(int row)
{
    return 1210 + lineSpacing * (row - 1);
}

constexpr int cellLeft(int row, int index)
{
    if (row == 1 && index == 0)
        return 4860;
    return 4840 - columnWidth * (index + row - 1);
}

// The hidden panel: the Worksheet's values and the grading's working fields, each with
// its design caption (its own name, but for Label22's "0").
struct PanelLabel {
    Label* Form1Controls::*control;
    QStringView name;
    QStringView caption;
    TwipsRect twips;
    Align align = Align::Left;
};

const std::array panelLabels {
    PanelLabel {.control = &Form1Controls::Label1,
        .name = u"Label1",
        .caption = u"Label1",
        .twips = {60, 45, 975, 255},
        .align = Align::Right},
    PanelLabel {.control = &Form1Controls::Label2,
        .name = u"Label2",
        .caption = u"Label2",
        .twips = {360, 450, 735, 255},
        .align = Align::Right},
    PanelLabel {.control = &Form1Controls::Label4,
        .name = u"Label4",
        .caption = u"Label4",
        .twips = {1575, 300, 855, 255}},
    PanelLabel {.control = &Form1Controls::Label20,
        .name = u"Label20",
        .caption = u"Label20",
        .twips = {2640, 45, 855, 255}},
    PanelLabel {.control = &Form1Controls::Label21,
        .name = u"Label21",
        .caption = u"Label21",
        .twips = {2655, 285, 615, 255}},
    PanelLabel {.control = &Form1Controls::Label22,
        .name = u"Label22",
        .caption = u"0",
        .twips = {1635, 60, 825, 195}},
    PanelLabel {.control = &Form1Controls::Label11,
        .name = u"Label11",
        .caption = u"Label11",
        .twips = {1905, 555, 1095, 255}},
    PanelLabel {.control = &Form1Controls::Label5,
        .name = u"Label5",
        .caption = u"Label5",
        .twips = {195, 1095, 1470, 255},
        .align = Align::Right},
    PanelLabel {.control = &Form1Controls::Label6,
        .name = u"Label6",
        .caption = u"Label6",
        .twips = {165, 1665, 1335, 255},
        .align = Align::Right},
    PanelLabel {.control = &Form1Controls::Label7,
        .name = u"Label7",
        .caption = u"Label7",
        .twips = {315, 2430, 1080, 255},
        .align = Align::Right},
    PanelLabel {.control = &Form1Controls::Label8,
        .name = u"Label8",
        .caption = u"Label8",
        .twips = {150, 3060, 1095, 255},
        .align = Align::Right},
    PanelLabel {.control = &Form1Controls::Label9,
        .name = u"Label9",
        .caption = u"Label9",
        .twips = {300, 3540, 855, 255},
        .align = Align::Right},
    PanelLabel {.control = &Form1Controls::Label10,
        .name = u"Label10",
        .caption = u"Label10",
        .twips = {0, 4200, 975, 240},
        .align = Align::Right},
    PanelLabel {.control = &Form1Controls::Label3,
        .name = u"Label3",
        .caption = u"Label3",
        .twips = {45, 4635, 1590, 375},
        .align = Align::Right},
};

// Where the grading leaves each row's text as read: rows 1 to 6, then the product.
constexpr std::array<TwipsRect, 7> readBackLabels {{
    {2025, 1050, 1200, 270},
    {2025, 1650, 1200, 270},
    {1950, 2415, 1200, 270},
    {1920, 3030, 1200, 270},
    {1845, 3495, 1200, 270},
    {1860, 4110, 1200, 270},
    {2175, 4590, 1485, 270},
}};

constexpr std::array lineMarkerTops {1305, 1875, 2520, 3060, 3735, 4290};

// The place value of each column, from the units, for screen readers.
constexpr std::array<QStringView, 13> placeNames {u"unidades", u"decenas", u"centenas",
    u"unidades de millar", u"decenas de millar", u"centenas de millar", u"unidades de millón",
    u"decenas de millón", u"centenas de millón", u"unidades de millar de millón",
    u"decenas de millar de millón", u"centenas de millar de millón", u"unidades de billón"};

QString cellName(const QString& row, int column)
{
    return row + u", "_s + placeNames[std::size_t(column)].toString();
}

} // namespace

void Form1Controls::createControls()
{
    Shape1 = new Shape({.name = u"Shape1",
                           .twips = {90, 60, 6450, 6615},
                           .outline = rgbColour(255, 128, 0),
                           .outlinePixels = 4},
        this);

    Label15 = new Label({.name = u"Label15",
                            .caption = u"Nombre",
                            .twips = {6375, 0, 3060, 630},
                            .font = timesBoldItalic(20.25),
                            .fore = rgbColour(0, 0, 192),
                            .transparent = true,
                            .align = Align::Centre,
                            .description = u"Alumno"},
        this);
    Label16 = new Label({.name = u"Label16",
                            .caption = u"10",
                            .twips = {9435, 0, 435, 465},
                            .font = timesBoldItalic(20.25),
                            .transparent = true,
                            .align = Align::Centre,
                            .description = u"Nota"},
        this);
    Label17 = new Label({.name = u"Label17",
                            .caption = u"Label17",
                            .twips = {6855, 1170, 3090, 2040},
                            .back = windowBackground,
                            .fore = windowText,
                            .align = Align::Centre,
                            .description = u"Ayuda"},
        this);

    // The worksheet page, ruled like squared notebook paper.
    Picture2 = new Panel(
        {.name = u"Picture2", .twips = {405, 330, 5835, 5775}, .back = windowBackground}, this);
    for (int k = 0; k < int(Line3.size()); ++k) {
        const int y = lineSpacing * (k + 1);
        const QString name = indexed(u"Line3", k);
        Line3[k] = new Line(
            {.name = name, .x1 = 0, .y1 = y, .x2 = 5980, .y2 = y, .colour = gridBlue}, Picture2);
    }
    for (int k = 0; k < int(Line4.size()); ++k) {
        const int x = columnWidth * (k + 1);
        const int bottom = k < 4 ? 6220 : 5760; // the four leftmost reach further down
        const QString name = indexed(u"Line4", k);
        Line4[k] = new Line(
            {.name = name, .x1 = x, .y1 = 0, .x2 = x, .y2 = bottom, .colour = gridBlue}, Picture2);
    }
    Line1 = new Line({.name = u"Line1",
                         .x1 = 360,
                         .y1 = 2995,
                         .x2 = 5190,
                         .y2 = 2995,
                         .colour = windowText,
                         .widthPixels = 2},
        Picture2);
    Line2 = new Line({.name = u"Line2",
                         .x1 = 2745,
                         .y1 = 1200,
                         .x2 = 5160,
                         .y2 = 1200,
                         .colour = windowText,
                         .widthPixels = 2},
        Picture2);

    Image2 = new Image({.name = u"Image2",
                           .twips = {720, 3030, 360, 375},
                           .picture = Picture::Tick,
                           .description = u"Marca"},
        Picture2);
    Image3 = new Image({.name = u"Image3",
                           .twips = {690, 3735, 345, 345},
                           .picture = Picture::Cross,
                           .description = u"Marca"},
        Picture2);
    for (int k = 0; k < int(Image1.size()); ++k) {
        const QString row = k < 6 ? u"Fila %1"_s.arg(k + 1) : u"Producto"_s;
        const QString name = indexed(u"Image1", k);
        Image1[k] = new Image(
            {.name = name, .twips = {5175, 1200 + lineSpacing * k, 495, 495}, .description = row},
            Picture2);
    }

    const FontDesign factorFont {.face = Face::TimesNewRoman, .points = 24.0, .bold = true};
    Label12 = new Label({.name = u"Label12",
                            .caption = u"? ? ? ? ? ?",
                            .twips = {2730, 0, 2430, 495},
                            .font = factorFont,
                            .transparent = true,
                            .align = Align::Right,
                            .description = u"Primer factor"},
        Picture2);
    Label13 = new Label({.name = u"Label13",
                            .caption = u"? ? ?",
                            .twips = {2730, 600, 2430, 495},
                            .font = factorFont,
                            .transparent = true,
                            .align = Align::Right,
                            .description = u"Segundo factor"},
        Picture2);
    Label23 = new Label({.name = u"Label23",
                            .caption = u"x",
                            .twips = {3825, 630, 240, 495},
                            .font = {.face = Face::MsSansSerif, .points = 24.0, .bold = true},
                            .transparent = true,
                            .align = Align::Right,
                            .description = u"Por"},
        Picture2);
    Label14 = new Label({.name = u"Label14",
                            .caption = u"MAL",
                            .twips = {1365, 180, 1635, 555},
                            .font = timesBoldItalic(27.75),
                            .transparent = true,
                            .align = Align::Centre,
                            .visible = false,
                            .description = u"Corrección"},
        Picture2);
    // The two digit counts: hidden boxes, Label19 drawn as Label18.
    Label18 = new Label({.name = u"Label18",
                            .caption = u"6",
                            .twips = {1380, 165, 345, 345},
                            .back = windowBackground,
                            .fore = windowText,
                            .align = Align::Centre,
                            .border = true,
                            .visible = false},
        Picture2);
    Label19 = new Label({.name = u"Label19",
                            .caption = u"3",
                            .twips = {1335, 780, 345, 345},
                            .back = windowBackground,
                            .fore = windowText,
                            .align = Align::Centre,
                            .border = true,
                            .visible = false},
        Picture2);
    for (int k = 0; k < int(Label24.size()); ++k) {
        const QString name = indexed(u"Label24", k);
        Label24[k] = new Label({.name = name,
                                   .caption = u"0",
                                   .twips = {390, lineMarkerTops[k], 270, 360},
                                   .align = Align::Centre,
                                   .visible = false},
            Picture2);
    }
    Label25 = new Label(
        {.name = u"Label25", .caption = u"0", .twips = {1065, 1350, 255, 255}, .visible = false},
        Picture2);

    HScroll1 = new ScrollBar({.name = u"HScroll1",
                                 .twips = {90, 135, 1215, 375},
                                 .minimum = minDigits,
                                 .maximum = maxDigits,
                                 .value = 6,
                                 .accessibleName = u"Cifras del primer factor"},
        Picture2);
    HScroll2 = new ScrollBar({.name = u"HScroll2",
                                 .twips = {90, 750, 1215, 375},
                                 .minimum = minDigits,
                                 .maximum = maxDigits,
                                 .value = 3,
                                 .accessibleName = u"Cifras del segundo factor"},
        Picture2);

    const std::array<std::array<Cell*, 7>*, 6> partialRows {
        &Text1, &Text2, &Text3, &Text4, &Text5, &Text6};
    for (int r = 1; r <= 6; ++r) {
        auto& cells = *partialRows[r - 1];
        for (int j = 0; j < int(cells.size()); ++j) {
            const QString name = indexed(u"Text"_s + QString::number(r), j);
            cells[j] = new Cell({.name = name,
                                    .twips = {cellLeft(r, j), rowTop(r), 310, 555},
                                    .back = j == 0 ? unitsYellow : windowBackground,
                                    .accessibleName = cellName(u"Fila %1"_s.arg(r), j + r - 1)},
                Picture2);
        }
    }
    for (int c = 0; c < int(Text7.size()); ++c) {
        const int top = c == 12 ? 4830 : 4810;
        const QString name = indexed(u"Text7", c);
        Text7[c] = new Cell({.name = name,
                                .twips = {4840 - columnWidth * c, top, 310, 555},
                                .back = c == 0 ? unitsYellow : windowBackground,
                                .accessibleName = cellName(u"Producto"_s, c)},
            Picture2);
    }

    List1 = new ListBox(
        {.name = u"List1", .twips = {6615, 570, 3540, 5460}, .accessibleName = u"Resultados"},
        this);

    // Drawn above the results list where they overlap, so the panel is readable
    // whether or not the list is shown.
    Picture1 = new Panel({.name = u"Picture1",
                             .twips = {6405, 570, 4110, 5460},
                             .back = systemColour(SystemColour::ButtonFace),
                             .sunkenBorder = true,
                             .visible = false},
        this);
    for (const PanelLabel& design : panelLabels) {
        this->*design.control = new Label({.name = design.name,
                                              .caption = design.caption,
                                              .twips = design.twips,
                                              .align = design.align},
            Picture1);
    }
    for (int k = 0; k < int(Label26.size()); ++k) {
        const QString name = indexed(u"Label26", k);
        Label26[k]
            = new Label({.name = name, .caption = name, .twips = readBackLabels[k]}, Picture1);
    }

    Command3 = new Button({.name = u"Command3",
                              .caption = u"?",
                              .twips = {8205, 6165, 400, 400},
                              .accessibleName = u"Ayuda",
                              .description = u"Muestra u oculta la ayuda"},
        this);
    Command1 = new Button({.name = u"Command1",
                              .caption = u"Empezar",
                              .twips = {2760, 6180, 1335, 375},
                              .accessibleName = u"Empezar",
                              .description = u"Empieza un ejercicio nuevo"},
        this);
    Command2 = new Button({.name = u"Command2",
                              .caption = u"Terminar",
                              .twips = {2760, 6180, 1335, 375},
                              .visible = false,
                              .accessibleName = u"Terminar",
                              .description = u"Corrige el ejercicio"},
        this);

    Timer1 = new Timer(u"Timer1", 2000, this);
}

void Form1Controls::setFocusOrder()
{
    // Tab visits the results list, the scroll bars, the cells from the product row up to
    // row 1, then the buttons. Row 1 keeps its design's order, with index 3 before 4.
    std::vector<QWidget*> order {List1, HScroll2, HScroll1};
    for (int c = 12; c >= 0; --c)
        order.push_back(Text7[c]);
    for (const auto* cells : {&Text6, &Text5, &Text4, &Text3, &Text2})
        for (int j = 6; j >= 0; --j)
            order.push_back((*cells)[j]);
    for (int j : {6, 5, 3, 4, 2, 1, 0})
        order.push_back(Text1[j]);
    order.insert(order.end(), {Command2, Command1, Command3});
    for (std::size_t k = 1; k < order.size(); ++k)
        setTabOrder(order[k - 1], order[k]);
}

} // namespace pizarrin
