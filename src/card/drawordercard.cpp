#include "card/drawordercard.h"

#include <QtGlobal>
#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <span>

#include "order/systemtypes.h"

using namespace Qt::StringLiterals;

namespace {

const QString kCardFont = u"Times New Roman"_s;
constexpr int kCardCharset = 214;  // what the card has always asked for; Unicode surfaces ignore it
constexpr int kTitleSize = 14;
constexpr int kDateSize = 12;
constexpr int kCustomerSize = 10;
constexpr int kTableSize = 8;
constexpr int kSubheadingSize = 7;

// A line between two card points; y is relative to the base of its block.
struct CardLine {
    int x1, y1, x2, y2;
};

// A text at its top-left corner; y is relative to the base of its block.
struct CardText {
    const char16_t* text;
    int x, y;
    int size = kTableSize;
};

// A table column: where its left border runs and where its cell texts start.
struct CardColumn {
    int left;
    int textX;
};

// Where the cells of one flow measurement stand in a table. An own range is written as
// "min - max" with the dash and the upper end at fixed offsets from the range cell.
struct FlowCells {
    int diameterX;
    int rangeX;
    int impulseX;
};
constexpr int kRangeDashOffset = 33;
constexpr int kRangeMaxOffset = 55;

// ---- title and customer block

struct CustomerField {
    const char16_t* label;
    int x, y;
    QString TCustomerInfo::*value;
};
constexpr int kValueGap = 5;  // card units between a label and its value

const std::array<CustomerField, 5> kCustomerFields = {{
    {u"Название объекта:", 50, 125, &TCustomerInfo::object_name},
    {u"Название организации:", 50, 140, &TCustomerInfo::org_name},
    {u"Телефон:", 50, 155, &TCustomerInfo::phone},
    {u"Факс:", 200, 155, &TCustomerInfo::fax},
    {u"E_mail:", 370, 155, &TCustomerInfo::email},
}};

// ---- systems table

enum SystemColumn {
    kNumberColumn,
    kTypeColumn,
    kSensorColumn,
    kDiameterColumn,
    kRangeColumn,
    kImpulseColumn,
    kMaxPressureColumn,
    kIncludeColumn,
    kOwnSensorColumn,
    kLengthColumn,
    kConstColumn,
    kMeasuredColumn,
    kColdLengthColumn,
    kExtraChannelColumn,
};
constexpr std::array<CardColumn, 14> kSystemColumns = {{
    {20, 25},
    {40, 45},
    {220, 235},
    {270, 285},
    {320, 335},
    {420, 430},
    {475, 490},
    {516, 520},
    {566, 610},
    {670, 680},
    {720, 730},
    {770, 780},
    {820, 830},
    {870, 890},
}};
constexpr int kSystemTableRight = 940;
constexpr int kHeaderTop = 180;
constexpr int kRowsTop = 230;  // T without systems
constexpr int kRowHeight = 20;
constexpr int kRowTextOffset = 5;
// Between the two rows of a two-row system the number, type, sensor and channel cells run on.
constexpr int kPipeCellsLeft = 270;
constexpr int kPipeCellsRight = 870;

constexpr FlowCells kSystemFlowCells{kSystemColumns[kDiameterColumn].textX,
                                     kSystemColumns[kRangeColumn].textX,
                                     kSystemColumns[kImpulseColumn].textX};

constexpr std::array<CardLine, 19> kSystemHeaderLines = {{
    {20, 180, 940, 180},  {220, 200, 870, 200}, {220, 180, 220, 230}, {20, 230, 940, 230},
    {940, 180, 940, 230}, {20, 180, 20, 230},   {40, 180, 40, 230},   {270, 200, 270, 230},
    {320, 200, 320, 230}, {420, 200, 420, 230}, {475, 180, 475, 230}, {516, 200, 516, 230},
    {566, 200, 566, 230}, {670, 180, 670, 230}, {720, 200, 720, 230}, {720, 215, 870, 215},
    {770, 215, 770, 230}, {820, 215, 820, 230}, {870, 180, 870, 230},
}};

constexpr std::array<CardText, 23> kSystemHeaderTexts = {{
    {u"№", 25, 198},
    {u"Тип системы учета тепла", 65, 198},
    {u"Датчики расхода", 315, 185},
    {u"Датчики давления", 530, 185},
    {u"Датчики температуры", 710, 185},
    {u"Тип", 235, 210},
    {u"Диаметр", 273, 202},
    {u"трубы", 273, 215},
    {u"Диапазон", 350, 210},
    {u"л/импульс", 423, 210},
    {u"Р(max)", 481, 210},
    {u"включить", 519, 202},
    {u"в счет", 519, 215},
    {u"уже есть в наличии,", 569, 202},
    {u"диапазон (мА)", 585, 215},
    {u"Длина", 675, 210},
    {u"холодная вода", 750, 201, kSubheadingSize},
    {u"const", 725, 217, kSubheadingSize},
    {u"измерять", 775, 217, kSubheadingSize},
    {u"длина", 825, 217, kSubheadingSize},
    {u"Дополн.", 880, 185},
    {u"канал", 880, 200},
    {u"расхода", 880, 213},
}};

constexpr std::array<const char16_t*, 3> kSignalRanges = {u"4-20", u"0-5", u"0-20"};  // d_p_diap 1..3

// ---- additional-channel table (y relative to T)

enum ChannelColumn {
    kChannelNumberColumn,
    kChannelKindColumn,
    kChannelSensorColumn,
    kChannelDiameterColumn,
    kChannelRangeColumn,
    kChannelImpulseColumn,
    kVolumeColumn,
    kMassColumn,
    kChannelLengthColumn,
};
constexpr std::array<CardColumn, 9> kChannelColumns = {{
    {20, 25},
    {70, 73},
    {120, 125},
    {170, 175},
    {220, 235},
    {320, 335},
    {420, 430},
    {470, 480},
    {520, 590},
}};
constexpr int kChannelTableRight = 670;
constexpr int kChannelRowsTop = 90;  // below T
constexpr FlowCells kChannelFlowCells{kChannelColumns[kChannelDiameterColumn].textX,
                                      kChannelColumns[kChannelRangeColumn].textX,
                                      kChannelColumns[kChannelImpulseColumn].textX};

constexpr std::array<CardLine, 14> kChannelHeaderLines = {{
    {20, 20, 20, 90},
    {20, 20, 670, 20},
    {20, 40, 670, 40},
    {420, 40, 420, 90},
    {470, 60, 470, 90},
    {120, 40, 120, 90},
    {670, 20, 670, 90},
    {120, 60, 670, 60},
    {20, 90, 670, 90},
    {170, 60, 170, 90},
    {220, 60, 220, 90},
    {320, 60, 320, 90},
    {520, 40, 520, 90},
    {70, 40, 70, 90},
}};

constexpr std::array<CardText, 17> kChannelHeaderTexts = {{
    {u"для", 35, 45},
    {u"системы", 22, 60},
    {u"№", 37, 75},
    {u"Дополнительный канал расхода", 270, 25},
    {u"Тип", 85, 60},
    {u"накапливать", 440, 43},
    {u"Датчики температуры", 540, 43},
    {u"Длина", 580, 70},
    {u"Датчики расхода", 220, 43},
    {u"объем", 425, 62},
    {u"м^3", 430, 75},
    {u"массу", 475, 62},
    {u"т", 485, 75},
    {u"Тип", 135, 70},
    {u"Диаметр", 173, 70},
    {u"Диапазон", 240, 70},
    {u"л/импульс", 340, 70},
}};

constexpr std::array<const char16_t*, 3> kChannelKinds = {u"Подпитка", u"ГВС", u"Расход"};  // kind 1..3

// ---- products table (y relative to T)

constexpr std::array<CardColumn, 2> kProductColumns = {{{720, 722}, {970, 972}}};
constexpr int kProductTableRight = 1020;

constexpr std::array<CardLine, 6> kProductHeaderLines = {{
    {720, 20, 1020, 20},
    {720, 40, 1020, 40},
    {720, 60, 1020, 60},
    {720, 20, 720, 60},
    {1020, 20, 1020, 60},
    {970, 40, 970, 60},
}};

constexpr std::array<CardText, 3> kProductHeaderTexts = {{
    {u"Дополнительно включить в поставку.", 790, 22},
    {u"Наименование", 810, 42},
    {u"кол-во", 974, 42},
}};

const std::array<const char16_t*, kProductCount> kProductNames = {
    u"Переносной архиватор «КВАРЕЛ-АРХИВ»",
    u"Блок сопряжения «УСА КВАРЕЛ-1»",
    u"Шлюз «КВАРЕЛ 232-485»",
    u"ПО для опроса теплосчетчиков по модему",
    u"Комплект из двух ПТ-100",
    u"ПТ-100",
    u"Кабель КПВ 3 х 0,5+(2 х 0,35)Э.",
    u"Шкаф монтажный",
    u"Комплект GSM/GPRS модема «КВАРЕЛ-GSM»",
    u"Внешний модем(COM-порт)",
    u"Epson LX-300+",
};

// ---- lower block (y relative to B)

struct FeatureText {
    bool TExtras::*flag;
    const char16_t* text;
};
const std::array<FeatureText, 3> kFeatureTexts = {{
    {&TExtras::air_temperature, u"Измерение температуры воздуха, "},
    {&TExtras::printer_support, u"Поддержка принтера, "},
    {&TExtras::modem_support, u"Поддержка модема"},
}};

constexpr int kContactCentreX = 402;

QString Word(const char16_t* text) {
    return QString::fromUtf16(text);
}

// Card units to device pixels: the product is formed in extended precision from the integer card
// value and the 32-bit factor, then cut towards zero.
int Trunc(long double value) {
    constexpr long double kLow = std::numeric_limits<int>::min();
    constexpr long double kHigh = std::numeric_limits<int>::max();
    return static_cast<int>(std::trunc(std::clamp(value, kLow, kHigh)));
}

class CardPlot {
public:
    CardPlot(CardSurface& surface, float sx, float sy) : surface_(surface), sx_(sx), sy_(sy) {}

    int X(int x) const { return Trunc(static_cast<long double>(x) * sx_); }
    int Y(int y) const { return Trunc(static_cast<long double>(y) * sy_); }
    // A card x followed by a measured width in device pixels.
    int XPlus(int x, int width) const { return Trunc(static_cast<long double>(x) * sx_ + width); }
    // A text of the measured width centred on a card x.
    int XCentred(int x, int width) const { return Trunc(static_cast<long double>(x) * sx_ - width / 2); }

    void StartFont(int points) {
        surface_.SetFont(kCardFont, kCardCharset, points);
        size_ = points;
    }
    void Size(int points) {
        if (points != size_) {
            surface_.SetFontSize(points);
            size_ = points;
        }
    }
    int Width(const QString& text) { return surface_.TextWidth(text); }

    // Texts are drawn as stored; an empty one draws nothing.
    void TextAt(int deviceX, int y, const QString& text) {
        if (!text.isEmpty()) {
            surface_.TextOut(deviceX, Y(y), text);
        }
    }
    void Text(int x, int y, const QString& text) { TextAt(X(x), y, text); }
    void Line(int x1, int y1, int x2, int y2) {
        surface_.MoveTo(X(x1), Y(y1));
        surface_.LineTo(X(x2), Y(y2));
    }

    void Lines(std::span<const CardLine> lines, int base) {
        for (const CardLine& line : lines) {
            Line(line.x1, base + line.y1, line.x2, base + line.y2);
        }
    }
    void Texts(std::span<const CardText> texts, int base) {
        for (const CardText& text : texts) {
            Size(text.size);
            Text(text.x, base + text.y, Word(text.text));
        }
    }
    // Vertical borders of every column of a table, and its right edge, from top to bottom.
    void Borders(std::span<const CardColumn> columns, int right, int top, int bottom) {
        for (const CardColumn& column : columns) {
            Line(column.left, top, column.left, bottom);
        }
        Line(right, top, right, bottom);
    }

private:
    CardSurface& surface_;
    float sx_;
    float sy_;
    int size_ = 0;
};

QString Number(qint32 value) {
    return QString::number(value);
}

QString SensorKind(bool impulse) {
    return impulse ? u"имп."_s : u"э/м"_s;
}

// A code 1..3 picks one of three words; any other code draws nothing.
QString CodeWord(const std::array<const char16_t*, 3>& words, qint32 code) {
    return code >= 1 && code <= 3 ? Word(words[code - 1]) : QString();
}

// One flow measurement: litres per impulse for an impulse meter, otherwise the diameter and the
// range (a catalogue row, or an own "min - max").
void DrawFlow(CardPlot& plot, const FlowCells& cells, int y, bool impulse, const QString& litres,
              qint32 diameter, bool ownRange, const QString& min, const QString& max, const QString& range) {
    if (impulse) {
        plot.Text(cells.impulseX, y, litres);
        return;
    }
    plot.Text(cells.diameterX, y, Number(diameter));
    if (ownRange) {
        plot.Text(cells.rangeX, y, min);
        plot.Text(cells.rangeX + kRangeDashOffset, y, u"-"_s);
        plot.Text(cells.rangeX + kRangeMaxOffset, y, max);
    } else {
        plot.Text(cells.rangeX, y, range);
    }
}

int ColumnX(SystemColumn column) {
    return kSystemColumns[column].textX;
}

// The cells both rows of a system repeat: pressure, thermometer length and cold water. The supply
// row (the lower or only one) also carries the return pipe's sensor mark of a one-channel system
// that has a return pipe.
void DrawPipeExtras(CardPlot& plot, const TSystemParams& system, int y, bool supply) {
    const QString yes = u"Да"_s;
    if (system.is_p) {
        plot.Text(ColumnX(kMaxPressureColumn), y, system.max_p);
        if (supply ? system.d_p_on_1 : system.d_p_on_2) {
            plot.Text(ColumnX(kIncludeColumn), y, yes);
        }
        if (supply && system.t_2_without_d_r && system.d_p_on_2) {
            plot.TextAt(plot.XPlus(ColumnX(kIncludeColumn), plot.Width(yes)), y, u",Да"_s);
        }
        if (system.d_p_own) {
            plot.Text(ColumnX(kOwnSensorColumn), y, CodeWord(kSignalRanges, system.d_p_diap));
        }
    }
    plot.Text(ColumnX(kLengthColumn), y, system.length_term);
    if (system.t_cold_used) {
        if (system.temperature_const) {
            plot.Text(ColumnX(kConstColumn), y, yes);
        } else {
            plot.Text(ColumnX(kMeasuredColumn), y, yes);
            plot.Text(ColumnX(kColdLengthColumn), y, system.length_term_cold);
        }
    }
}

void DrawTitle(CardPlot& plot, const TOrder& order) {
    const QString label = u"Заказ №"_s;
    plot.Text(370, 105, label);
    const int labelWidth = plot.Width(label);
    if (order.number != 0) {
        plot.TextAt(plot.XPlus(380, labelWidth), 105, Number(order.number));
    }
    plot.Text(520, 105, u"от __________"_s);
    const int fromWidth = plot.Width(u"от "_s);
    plot.Size(kDateSize);
    plot.TextAt(plot.XPlus(530, fromWidth), 103, order.date);
}

void DrawCustomer(CardPlot& plot, const TOrder& order) {
    plot.Size(kCustomerSize);
    // The invoice fields, filled in by hand.
    plot.Text(748, 115, u"Счет №"_s);
    plot.Line(795, 127, 940, 127);
    plot.Text(777, 140, u"от"_s);
    plot.Line(795, 152, 940, 152);

    for (const CustomerField& field : kCustomerFields) {
        const QString label = Word(field.label);
        plot.Text(field.x, field.y, label);
        plot.TextAt(plot.XPlus(field.x + kValueGap, plot.Width(label)), field.y, order.customer.*field.value);
    }
}

void DrawSystems(CardPlot& plot, const TOrder& order, int shown) {
    plot.Size(kTableSize);
    plot.Lines(kSystemHeaderLines, 0);
    plot.Texts(kSystemHeaderTexts, 0);

    TypeWalk walk(order.extras.system_counts);
    int row = 0;
    for (int i = 0; i < shown; ++i) {
        const TSystemParams& system = order.systems[static_cast<size_t>(i)];
        const int type = walk.Next();
        const int rowCount = system.one_channel ? 1 : 2;
        for (int k = 0; k < rowCount; ++k, ++row) {
            const int top = kRowsTop + kRowHeight * row;
            plot.Borders(kSystemColumns, kSystemTableRight, top, top + kRowHeight);
            plot.Line(kPipeCellsLeft, top + kRowHeight, kPipeCellsRight, top + kRowHeight);
        }
        const int lowerTop = kRowsTop + kRowHeight * (row - 1);
        const int y = lowerTop + kRowTextOffset;

        plot.Text(ColumnX(kNumberColumn), y, Number(i + 1));
        if (type >= 0) {
            plot.Text(ColumnX(kTypeColumn), y, Word(kSystemTypes[static_cast<size_t>(type)].short_name));
        }
        plot.Text(ColumnX(kSensorColumn), y, SensorKind(system.impulse_dr));
        DrawFlow(plot, kSystemFlowCells, y, system.impulse_dr, system.litr_impulse_1, system.diam_t_1,
                 system.another_diap_1, system.another_diap_min_1, system.another_diap_max_1, system.diap_1);
        DrawPipeExtras(plot, system, y, true);
        if (system.dop_channel) {
            plot.Text(ColumnX(kExtraChannelColumn), y, u"Да"_s);
        }

        if (rowCount == 2) {  // the upper row holds the return pipe
            const int upperY = y - kRowHeight;
            DrawFlow(plot, kSystemFlowCells, upperY, system.impulse_dr, system.litr_impulse_2,
                     system.diam_t_2, system.another_diap_2, system.another_diap_min_2,
                     system.another_diap_max_2, system.diap_2);
            DrawPipeExtras(plot, system, upperY, false);
        }

        const int bottom = lowerTop + kRowHeight;
        plot.Line(kSystemColumns[kNumberColumn].left, bottom, kPipeCellsLeft, bottom);
        plot.Line(kPipeCellsRight, bottom, kSystemTableRight, bottom);
    }
}

void DrawChannels(CardPlot& plot, const TOrder& order, const CardLayout& layout) {
    const int t = layout.tableBottom;
    plot.Lines(kChannelHeaderLines, t);
    plot.Texts(kChannelHeaderTexts, t);

    int k = 0;
    for (int i = 0; i < layout.shown; ++i) {
        const TSystemParams& system = order.systems[static_cast<size_t>(i)];
        if (!system.dop_channel) {
            continue;
        }
        const int top = t + kChannelRowsTop + kRowHeight * k;
        plot.Line(kChannelColumns[0].left, top + kRowHeight, kChannelTableRight, top + kRowHeight);
        plot.Borders(kChannelColumns, kChannelTableRight, top, top + kRowHeight);

        const int y = top + kRowTextOffset;
        auto x = [](ChannelColumn column) { return kChannelColumns[column].textX; };
        plot.Text(x(kChannelNumberColumn), y, Number(i + 1));
        plot.Text(x(kChannelKindColumn), y, CodeWord(kChannelKinds, system.kind_dop_channel));
        plot.Text(x(kChannelSensorColumn), y, SensorKind(system.impulse_d_r_dop));
        DrawFlow(plot, kChannelFlowCells, y, system.impulse_d_r_dop, Number(system.litr_impulse_dop),
                 system.diam_t_dop, system.another_diap_dop, system.another_diap_min_dop,
                 system.another_diap_max_dop, system.diap_p_dop);
        if (system.mass) {
            plot.Text(x(kMassColumn), y, u"Да"_s);
            plot.Text(x(kChannelLengthColumn), y, system.length_term_dop);
        } else {
            plot.Text(x(kVolumeColumn), y, u"Да"_s);
        }
        ++k;
    }
}

void DrawProducts(CardPlot& plot, const TOrder& order, int t) {
    const auto& counts = order.extras.product_counts;
    if (std::all_of(counts.begin(), counts.end(), [](qint32 count) { return count == 0; })) {
        return;
    }
    plot.Lines(kProductHeaderLines, t);
    plot.Texts(kProductHeaderTexts, t);
    int m = 0;
    for (int product = 0; product < kProductCount; ++product) {
        const qint32 count = counts[static_cast<size_t>(product)];
        if (count == 0) {
            continue;
        }
        ++m;  // rows are numbered over the listed products only
        const int bottom = t + 60 + kRowHeight * m;
        plot.Line(kProductColumns[0].left, bottom, kProductTableRight, bottom);
        plot.Borders(kProductColumns, kProductTableRight, bottom - kRowHeight, bottom);
        const int y = t + 41 + kRowHeight * m;
        plot.Text(kProductColumns[0].textX, y, CardProductName(product));
        plot.Text(kProductColumns[1].textX, y, Number(count));
    }
}

void DrawLowerBlock(CardPlot& plot, const TOrder& order, int b) {
    const QString featuresLabel = u"Дополнительные возможности:"_s;
    plot.Text(50, b + 10, featuresLabel);
    QString features;
    for (const FeatureText& feature : kFeatureTexts) {
        if (order.extras.*feature.flag) {
            features += Word(feature.text);
        }
    }
    plot.TextAt(plot.XPlus(50 + kValueGap, plot.Width(featuresLabel)), b + 10, features);

    plot.Text(50, b + 30, u"Примечания:"_s);
    const int notes = NoteLineCount(order.notes);
    for (int j = 0; j < notes; ++j) {
        plot.Text(50, b + 45 + 15 * j, order.notes.lines[static_cast<size_t>(j)]);
    }
    const int base = b + 15 * std::max(notes - 1, 0);  // 15 units per note after the first

    plot.Text(50, base + 70, u"Контактное лицо:"_s);
    plot.Line(140, base + 85, 245, base + 85);
    plot.Line(300, base + 85, 505, base + 85);
    plot.Text(170, base + 87, u"подпись"_s);
    plot.Text(390, base + 87, u"ФИО"_s);
    plot.Size(kCustomerSize);
    const QString& contact = order.customer.contact_name;
    plot.TextAt(plot.XCentred(kContactCentreX, plot.Width(contact)), base + 68, contact);
}

}  // namespace

QString CardProductName(int product) {
    return product >= 0 && product < kProductCount ? Word(kProductNames[static_cast<size_t>(product)])
                                                   : QString();
}

CardLayout MeasureCard(const TOrder& order) {
    CardLayout layout;
    while (layout.shown < kMaxSystems && order.systems[static_cast<size_t>(layout.shown)].filled) {
        const TSystemParams& system = order.systems[static_cast<size_t>(layout.shown)];
        layout.rows += system.one_channel ? 1 : 2;
        layout.channelRows += system.dop_channel ? 1 : 0;
        ++layout.shown;
    }
    layout.tableBottom = kRowsTop + kRowHeight * layout.rows;
    layout.lowerBase = layout.tableBottom + kChannelRowsTop + kRowHeight * layout.channelRows;
    return layout;
}

void DrawOrderCard(const TOrder& order, CardSurface& surface, float scaleX, float scaleY, float scale) {
    // Each factor is held as a 32-bit float before use (the product of two floats is exact in double).
    const auto sx = static_cast<float>(static_cast<double>(scaleX) * scale);
    const auto sy = static_cast<float>(static_cast<double>(scaleY) * scale);
    CardPlot plot(surface, sx, sy);
    const CardLayout layout = MeasureCard(order);

    plot.StartFont(kTitleSize);
    surface.SetPenColor(Qt::black);
    DrawTitle(plot, order);
    DrawCustomer(plot, order);
    DrawSystems(plot, order, layout.shown);
    if (layout.channelRows > 0) {
        DrawChannels(plot, order, layout);
    }
    DrawProducts(plot, order, layout.tableBottom);
    DrawLowerBlock(plot, order, layout.lowerBase);
}
