// Build tool: draws horalo.frm, the monthly time sheet that the program fills
// in when it previews or prints a month.
//   make_form <horalo.frm> [en|de]     the labels' language, English by default
//
// A value is a text record that starts with '#'. The program draws the value
// in its place with the font, colour and alignment that the records before it
// left in the device context, so every placeholder below is preceded by the
// state it needs and never inherits it by accident from an earlier section.
#include <uemf.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// One logical unit is a tenth of a millimetre: the reference device has ten
// pixels to the millimetre and keeps the default mapping, so positions below
// read as millimetres times ten and no window or viewport records are needed.
constexpr int kPageWidth = 2100;
constexpr int kPageHeight = 2970;

// Advance widths of Arial for ' ' to '~', in 1/2048 em. Every text record
// carries a spacing array; taking it from the face the form asks for keeps the
// labels where they are placed even where another face stands in for Arial.
constexpr std::uint16_t kArialWidths[95] = {
    569,  569,  727,  1139, 1139, 1821, 1366, 391,  682,  682,  797,  1196, 569,  682,  569,  569,
    1139, 1139, 1139, 1139, 1139, 1139, 1139, 1139, 1139, 1139, 569,  569,  1196, 1196, 1196, 1139,
    2079, 1366, 1366, 1479, 1479, 1366, 1251, 1593, 1479, 569,  1024, 1366, 1139, 1706, 1479, 1593,
    1366, 1593, 1479, 1366, 1251, 1479, 1366, 1933, 1366, 1366, 1251, 569,  569,  569,  961,  1139,
    682,  1139, 1139, 1024, 1139, 1139, 569,  1139, 1139, 455,  455,  1024, 455,  1706, 1139, 1139,
    1139, 1139, 682,  1024, 569,  1139, 1024, 1479, 1024, 1024, 1024, 684,  532,  684,  1196};
constexpr std::uint16_t kArialBoldWidths[95] = {
    569,  682,  971,  1139, 1139, 1821, 1479, 487,  682,  682,  797,  1196, 569,  682,  569,  569,
    1139, 1139, 1139, 1139, 1139, 1139, 1139, 1139, 1139, 1139, 682,  682,  1196, 1196, 1196, 1251,
    1997, 1479, 1479, 1479, 1479, 1366, 1251, 1593, 1479, 569,  1139, 1479, 1251, 1706, 1479, 1593,
    1366, 1593, 1479, 1366, 1251, 1479, 1366, 1933, 1366, 1366, 1251, 682,  569,  682,  1196, 1139,
    682,  1139, 1251, 1139, 1251, 1139, 682,  1251, 1251, 569,  569,  1139, 569,  1821, 1251, 1251,
    1251, 1251, 797,  1139, 682,  1251, 1139, 1593, 1139, 1139, 1024, 797,  573,  797,  1196};
constexpr double kAscent = 0.905;  // of the em, for the bounds of a text
constexpr double kDescent = 0.212;

struct Face {
    int em = 0;  // character height in logical units
    bool bold = false;
    std::uint32_t handle = 0;
};

enum class Align : std::uint32_t { Left = U_TA_LEFT, Right = U_TA_RIGHT };

struct Box {
    int left, top, right, bottom;
};

U_COLORREF Grey(std::uint8_t level) { return U_RGB(level, level, level); }

bool SameColor(U_COLORREF a, U_COLORREF b) { return a.Red == b.Red && a.Green == b.Green && a.Blue == b.Blue; }

// Where each character of a text starts, from the face's widths; the spacing
// array is the difference of neighbours, so rounding never accumulates.
// The labels are Latin-1 (Unicode's first 256 code points). Beyond ASCII they
// hold only the German letters, which advance as the letters they decorate;
// sharp s as a b.
char AdvanceLike(unsigned char c) {
    switch (c) {
        case 0xC4: return 'A';
        case 0xD6: return 'O';
        case 0xDC: return 'U';
        case 0xE4: return 'a';
        case 0xF6: return 'o';
        case 0xFC: return 'u';
        case 0xDF: return 'b';
        default: return c >= ' ' && c <= '~' ? static_cast<char>(c) : 0;
    }
}

std::vector<std::uint32_t> Advances(const std::string& text, const Face& face) {
    const std::uint16_t* widths = face.bold ? kArialBoldWidths : kArialWidths;
    std::vector<std::uint32_t> dx;
    long sum = 0;
    int placed = 0;
    for (const char c : text) {
        const char like = AdvanceLike(static_cast<unsigned char>(c));
        sum += widths[(like ? like : '?') - ' '];  // such a text is refused when written
        const int next = static_cast<int>((sum * face.em + 1024) / 2048);
        dx.push_back(static_cast<std::uint32_t>(next - placed));
        placed = next;
    }
    return dx;
}

int Width(const std::string& text, const Face& face) {
    int width = 0;
    for (const std::uint32_t advance : Advances(text, face)) width += static_cast<int>(advance);
    return width;
}

bool Printable(const std::string& text) {
    for (const char c : text)
        if (!AdvanceLike(static_cast<unsigned char>(c))) return false;
    return !text.empty();
}

// The source spells the labels in UTF-8; the form takes them in Latin-1.
std::string Latin1(const char* utf8) {
    std::string text;
    for (const char* c = utf8; *c; ++c) {
        const auto byte = static_cast<unsigned char>(*c);
        if ((byte & 0xE0) == 0xC0 && c[1]) {
            text += static_cast<char>((byte & 0x1F) << 6 | (static_cast<unsigned char>(c[1]) & 0x3F));
            ++c;
        } else {
            text += *c;
        }
    }
    return text;
}

// Every label of the form, in one language.
struct FormTexts {
    const char* title;
    const char* fields[2];   // name, department
    const char* periods[2];  // month, year
    const char* day;
    const char* columns[8];  // in the order of kColumnKinds
    const char* totals;
    const char* summary[3];  // balance of the month, carried balance, hours deducted
    const char* finalBalance;
    const char* signatures[2];  // employee, supervisor
};
constexpr FormTexts kEnglish{"Monthly time sheet",
                             {"Name", "Department"},
                             {"Month", "Year"},
                             "Day",
                             {"Start", "End", "Presence", "Breaks", "Required", "Surplus", "Deficit", "Balance"},
                             "Totals",
                             {"Balance of the month", "Carried balance", "Hours deducted"},
                             "Final balance",
                             {"Date, signature of employee", "Date, signature of supervisor"}};
constexpr FormTexts kGerman{"Stundenzettel",
                            {"Name", "Abteilung"},
                            {"Monat", "Jahr"},
                            "Tag",
                            {"Beginn", "Ende", "Anwesend", "Pausen", "Soll", "Mehr", "Weniger", "Saldo"},
                            "Summen",
                            {"Saldo des Monats", "Übertrag", "Stundenabzug"},
                            "Endsaldo",
                            {"Datum, Unterschrift Mitarbeiter/in", "Datum, Unterschrift Vorgesetzte/r"}};

// The metafile being written, with the device-context state its records have
// set so far: a state record is written only when a drawing needs a change.
class FormWriter {
public:
    bool Open(const char* path, const std::string& title) {
        if (emf_start(path, 1 << 16, 1 << 16, &track_) != 0 || htable_create(64, 64, &handles_) != 0) return false;
        const U_RECTL frame{0, 0, kPageWidth * 10, kPageHeight * 10};
        const U_RECTL page{0, 0, kPageWidth - 1, kPageHeight - 1};
        std::vector<std::uint16_t> description = Wide("Horalo");
        description.push_back(0);
        for (const std::uint16_t c : Wide(title)) description.push_back(c);
        description.push_back(0);
        description.push_back(0);
        Append(U_EMRHEADER_set(page, frame, nullptr, static_cast<U_CBSTR>(description.size()), description.data(),
                               sizel_set(kPageWidth, kPageHeight), sizel_set(kPageWidth / 10, kPageHeight / 10), 0));
        Append(U_EMRSETMAPMODE_set(U_MM_TEXT));
        Append(U_EMRSETBKMODE_set(U_TRANSPARENT));
        return !failed_;
    }

    Face MakeFace(int em, bool bold) {
        Face face{em, bold, 0};
        std::vector<std::uint16_t> name = Wide("Arial");
        name.push_back(0);
        std::vector<std::uint16_t> fullName = Wide(bold ? "Arial Bold" : "Arial");
        fullName.push_back(0);
        std::vector<std::uint16_t> style = Wide(bold ? "Bold" : "Regular");
        style.push_back(0);
        // The default character set is the system's: the values come as bytes
        // in its ANSI code page, and the font decides how those bytes read.
        const U_LOGFONT font = logfont_set(-em, 0, 0, 0, bold ? U_FW_BOLD : U_FW_NORMAL, 0, 0, 0, U_DEFAULT_CHARSET,
                                           U_OUT_TT_PRECIS, U_CLIP_DEFAULT_PRECIS, U_DEFAULT_QUALITY,
                                           U_VARIABLE_PITCH | U_FF_SWISS, name.data());
        U_LOGFONT_PANOSE full =
            logfont_panose_set(font, fullName.data(), style.data(), 0, panose_set(0, 0, 0, 0, 0, 0, 0, 0, 0, 0));
        Append(extcreatefontindirectw_set(&face.handle, handles_, nullptr, reinterpret_cast<char*>(&full)));
        created_.push_back(face.handle);
        return face;
    }

    std::uint32_t MakePen(int width, U_COLORREF color) {
        std::uint32_t handle = 0;
        Append(createpen_set(&handle, handles_, logpen_set(U_PS_SOLID, point32_set(width, 0), color)));
        created_.push_back(handle);
        return handle;
    }

    std::uint32_t MakeBrush(U_COLORREF color) {
        std::uint32_t handle = 0;
        Append(createbrushindirect_set(&handle, handles_, logbrush_set(U_BS_SOLID, color, 0)));
        created_.push_back(handle);
        return handle;
    }

    void Fill(const Box& box, std::uint32_t brush) {
        Select(pen_, U_NULL_PEN);
        Select(brush_, brush);
        Append(U_EMRRECTANGLE_set(U_RECTL{box.left, box.top, box.right, box.bottom}));
        Extend(box);
    }

    void Rule(int x1, int y1, int x2, int y2, std::uint32_t pen) {
        Select(pen_, pen);
        Append(U_EMRMOVETOEX_set(pointl_set(x1, y1)));
        Append(U_EMRLINETO_set(pointl_set(x2, y2)));
        Extend({x1, y1, x2, y2});
    }

    // A label, drawn as it stands; y is the baseline.
    void Text(int x, int y, const std::string& text, const Face& face, U_COLORREF color, Align align = Align::Left) {
        const int width = Width(text, face);
        const int left = align == Align::Right ? x - width : x;
        const Box bounds{left, y - Ascent(face), left + width, y + Descent(face)};
        Record(x, y, text, face, color, align, 0, bounds, bounds);
    }

    // A value's place; its own text is never shown. The rectangle is the
    // value's cell, or the area a long value is cut to when clipped.
    void Placeholder(int x, int y, const std::string& text, const Face& face, U_COLORREF color, Align align,
                     const Box& cell, bool clipped = false) {
        Record(x, y, text, face, color, align, clipped ? U_ETO_CLIPPED : 0, cell, cell);
    }

    bool Finish() {
        Select(pen_, U_BLACK_PEN);
        Select(brush_, U_WHITE_BRUSH);
        Select(font_, U_DEVICE_DEFAULT_FONT);
        for (std::uint32_t handle : created_) Append(deleteobject_set(&handle, handles_));
        Append(U_EMREOF_set(0, nullptr, track_));
        if (failed_) return false;
        // Only now is it known how much of the page the drawing covers.
        auto* header = reinterpret_cast<U_EMRHEADER*>(track_->buf);
        header->rclBounds = U_RECTL{bounds_.left, bounds_.top, bounds_.right, bounds_.bottom};
        const bool written = emf_finish(track_, handles_) == 0;
        emf_free(&track_);
        htable_free(&handles_);
        return written;
    }

    bool Failed() const { return failed_; }

private:
    static std::vector<std::uint16_t> Wide(const std::string& text) {
        std::vector<std::uint16_t> wide;
        for (const char c : text) wide.push_back(static_cast<unsigned char>(c));
        return wide;
    }
    static int Ascent(const Face& face) { return static_cast<int>(face.em * kAscent + 0.5); }
    static int Descent(const Face& face) { return static_cast<int>(face.em * kDescent + 0.5); }

    void Append(char* record) {
        if (record == nullptr || emf_append(reinterpret_cast<U_ENHMETARECORD*>(record), track_, U_REC_FREE) != 0) {
            failed_ = true;
        }
    }

    void Select(std::uint32_t& current, std::uint32_t wanted) {
        if (current == wanted) return;
        Append(selectobject_set(wanted, handles_));
        current = wanted;
    }

    void Record(int x, int y, const std::string& text, const Face& face, U_COLORREF color, Align align,
                std::uint32_t options, const Box& rectangle, const Box& bounds) {
        if (!Printable(text)) {
            std::fprintf(stderr, "make_form: only printable ASCII and German letters are drawn: \"%s\"\n", text.c_str());
            failed_ = true;
            return;
        }
        Select(font_, face.handle);
        if (!colorSet_ || !SameColor(color_, color)) {
            Append(U_EMRSETTEXTCOLOR_set(color));
            color_ = color;
            colorSet_ = true;
        }
        const std::uint32_t mode = static_cast<std::uint32_t>(align) | U_TA_BASELINE;
        if (mode != align_) {
            Append(U_EMRSETTEXTALIGN_set(mode));
            align_ = mode;
        }
        std::vector<std::uint16_t> wide = Wide(text);
        std::vector<std::uint32_t> dx = Advances(text, face);
        const U_RECTL rcl{rectangle.left, rectangle.top, rectangle.right, rectangle.bottom};
        char* emrtext = emrtext_set(pointl_set(x, y), static_cast<U_NUM_STR>(wide.size()), 2, wide.data(), options,
                                    rcl, dx.data());
        if (emrtext == nullptr) {
            failed_ = true;
            return;
        }
        // Compatible mode: the scales turn logical units into hundredths of a millimetre.
        Append(U_EMREXTTEXTOUTW_set(U_RECTL{bounds.left, bounds.top, bounds.right, bounds.bottom}, U_GM_COMPATIBLE,
                                    10.0f, 10.0f, reinterpret_cast<PU_EMRTEXT>(emrtext)));
        std::free(emrtext);
        Extend(bounds);
    }

    void Extend(const Box& box) {
        if (!anyBounds_) {
            bounds_ = box;
            anyBounds_ = true;
            return;
        }
        if (box.left < bounds_.left) bounds_.left = box.left;
        if (box.top < bounds_.top) bounds_.top = box.top;
        if (box.right > bounds_.right) bounds_.right = box.right;
        if (box.bottom > bounds_.bottom) bounds_.bottom = box.bottom;
    }

    EMFTRACK* track_ = nullptr;
    EMFHANDLES* handles_ = nullptr;
    bool failed_ = false;
    std::vector<std::uint32_t> created_;
    std::uint32_t font_ = U_DEVICE_DEFAULT_FONT;
    std::uint32_t pen_ = U_BLACK_PEN;
    std::uint32_t brush_ = U_WHITE_BRUSH;
    std::uint32_t align_ = ~0u;
    U_COLORREF color_{};
    bool colorSet_ = false;
    Box bounds_{0, 0, 0, 0};
    bool anyBounds_ = false;
};

// The sheet, in tenths of a millimetre from the page's top left corner.
constexpr int kLeft = 200;
constexpr int kRight = 1900;
constexpr int kDayRight = 275;      // the day numbers end here
// Edges of the eight value columns. Start is narrow: its times stand at its
// left edge, and the pair reads as one span with the gaps of the figures.
constexpr int kColumnEdges[9] = {300, 450, 650, 858, 1066, 1274, 1482, 1690, kRight};
constexpr int kPad = 22;            // between a figure and its column's edge
constexpr int kTitleBaseline = 215;
constexpr int kFieldBaselines[2] = {305, 357};
constexpr int kFieldValue = kLeft + 230;
constexpr int kPeriodLabel = 1480;
constexpr int kPeriodValue = 1640;
constexpr int kHeadTop = 420;
constexpr int kHeadHeight = 70;
constexpr int kRowTop = kHeadTop + kHeadHeight;
constexpr int kRowHeight = 58;
constexpr int kRowBaseline = 41;    // digits sit in the middle of their row
constexpr int kDays = 31;
constexpr int kTotalsTop = kRowTop + kDays * kRowHeight;
constexpr int kSummaryTop = kTotalsTop + kRowHeight + 18;
constexpr int kSignatureLine = 2760;

// Start leads, left-aligned, because on a day without one it holds the note
// or mark, which may run on across the columns to its right.
constexpr char kColumnKinds[8] = {'C', 'G', 'D', 'I', 'S', 'P', 'N', 'T'};

int ColumnLeft(int column) { return kColumnEdges[column]; }
int FigureRight(int column) { return ColumnLeft(column + 1) - kPad; }

std::string TwoDigits(int value) {
    char text[8];
    std::snprintf(text, sizeof text, "%02d", value);
    return text;
}

bool DrawForm(FormWriter& form, const FormTexts& texts) {
    const Face title = form.MakeFace(56, true);
    const Face field = form.MakeFace(38, false);
    const Face fieldBold = form.MakeFace(38, true);
    const Face label = form.MakeFace(28, false);
    const Face heading = form.MakeFace(27, true);
    const Face cell = form.MakeFace(32, false);
    const Face cellBold = form.MakeFace(32, true);
    const Face caption = form.MakeFace(26, false);
    const U_COLORREF ink = Grey(0);
    const U_COLORREF labelInk = Grey(90);
    const std::uint32_t stripe = form.MakeBrush(Grey(243));
    const std::uint32_t band = form.MakeBrush(Grey(226));
    const std::uint32_t hairline = form.MakePen(2, Grey(185));
    const std::uint32_t rule = form.MakePen(4, Grey(60));
    if (form.Failed()) return false;

    // Head: who and which month. Name and department are the two form texts.
    form.Text(kLeft, kTitleBaseline, Latin1(texts.title), title, ink);
    const char* const fieldCodes[2] = {"#OI", "#OO"};
    for (int i = 0; i < 2; ++i) {
        const int y = kFieldBaselines[i];
        form.Text(kLeft, y, Latin1(texts.fields[i]), label, labelInk);
        form.Placeholder(kFieldValue, y, fieldCodes[i], i == 0 ? fieldBold : field, ink, Align::Left,
                         {kFieldValue, y - 45, kPeriodLabel - 40, y + 14}, true);
        const char* const periodCodes[2] = {"#OM", "#OY"};
        form.Text(kPeriodLabel, y, Latin1(texts.periods[i]), label, labelInk);
        form.Placeholder(kPeriodValue, y, periodCodes[i], fieldBold, ink, Align::Left,
                         {kPeriodValue, y - 45, kRight, y + 14});
    }

    // The table: the same for every month, so no weekends can be marked;
    // every other row is shaded to guide the eye along its line.
    form.Fill({kLeft, kHeadTop, kRight, kRowTop}, band);
    const int headBaseline = kHeadTop + 45;
    form.Text(kDayRight, headBaseline, Latin1(texts.day), heading, labelInk, Align::Right);
    // A start time comes with two leading blanks: its heading stands over the digits.
    form.Text(ColumnLeft(0) + kPad + Width("  ", cell), headBaseline, Latin1(texts.columns[0]), heading, labelInk);
    for (int c = 1; c < 8; ++c)
        form.Text(FigureRight(c), headBaseline, Latin1(texts.columns[c]), heading, labelInk, Align::Right);
    for (int day = 1; day <= kDays; ++day) {
        const int top = kRowTop + (day - 1) * kRowHeight;
        if (day % 2 == 0) form.Fill({kLeft, top, kRight, top + kRowHeight}, stripe);
    }
    for (int day = 1; day <= kDays; ++day) {
        const int top = kRowTop + (day - 1) * kRowHeight;
        const int y = top + kRowBaseline;
        form.Text(kDayRight, y, std::to_string(day), cell, ink, Align::Right);
        const std::string dd = TwoDigits(day);
        form.Placeholder(ColumnLeft(0) + kPad, y, std::string("#C") + dd, cell, ink, Align::Left,
                         {ColumnLeft(0), top, kRight, top + kRowHeight}, true);
        for (int c = 1; c < 8; ++c)
            form.Placeholder(FigureRight(c), y, std::string("#") + kColumnKinds[c] + dd, cell, ink, Align::Right,
                             {ColumnLeft(c), top, ColumnLeft(c + 1), top + kRowHeight});
    }
    form.Rule(kLeft, kTotalsTop, kRight, kTotalsTop, rule);

    // Foot: the month's totals under their columns, then the balance.
    const int totalsBaseline = kTotalsTop + kRowBaseline;
    form.Text(kLeft, totalsBaseline, Latin1(texts.totals), cellBold, ink);
    form.Placeholder(FigureRight(5), totalsBaseline, "#OP", cellBold, ink, Align::Right,
                     {ColumnLeft(5), kTotalsTop, ColumnLeft(6), kTotalsTop + kRowHeight});
    form.Placeholder(FigureRight(6), totalsBaseline, "#ON", cellBold, ink, Align::Right,
                     {ColumnLeft(6), kTotalsTop, ColumnLeft(7), kTotalsTop + kRowHeight});
    form.Rule(kLeft, kTotalsTop + kRowHeight, kRight, kTotalsTop + kRowHeight, hairline);

    const char* const summaryCodes[3] = {"#OS", "#OV", "#OU"};
    const int summaryLeft = ColumnLeft(4);
    for (int i = 0; i < 3; ++i) {
        const int top = kSummaryTop + i * kRowHeight;
        form.Text(summaryLeft + kPad, top + kRowBaseline, Latin1(texts.summary[i]), cell, ink);
        form.Placeholder(FigureRight(7), top + kRowBaseline, summaryCodes[i], cell, ink, Align::Right,
                         {ColumnLeft(7), top, kRight, top + kRowHeight});
    }
    const int finalTop = kSummaryTop + 3 * kRowHeight + 8;
    form.Fill({summaryLeft, finalTop, kRight, finalTop + kRowHeight}, band);
    form.Rule(summaryLeft, finalTop, kRight, finalTop, rule);
    form.Text(summaryLeft + kPad, finalTop + kRowBaseline, Latin1(texts.finalBalance), cellBold, ink);
    form.Placeholder(FigureRight(7), finalTop + kRowBaseline, "#OT", cellBold, ink, Align::Right,
                     {ColumnLeft(7), finalTop, kRight, finalTop + kRowHeight});

    // Signatures: the employee's on the left, the supervisor's on the right.
    const int signatureWidth = 700;
    form.Rule(kLeft, kSignatureLine, kLeft + signatureWidth, kSignatureLine, hairline);
    form.Rule(kRight - signatureWidth, kSignatureLine, kRight, kSignatureLine, hairline);
    form.Text(kLeft, kSignatureLine + 35, Latin1(texts.signatures[0]), caption, labelInk);
    form.Text(kRight - signatureWidth, kSignatureLine + 35, Latin1(texts.signatures[1]), caption, labelInk);
    return !form.Failed();
}

}  // namespace

int main(int argc, char** argv) {
    const std::string language = argc == 3 ? argv[2] : "en";
    if (argc < 2 || argc > 3 || (language != "en" && language != "de")) {
        std::fprintf(stderr, "usage: make_form <horalo.frm> [en|de]\n");
        return 2;
    }
    const FormTexts& texts = language == "de" ? kGerman : kEnglish;
    FormWriter form;
    if (!form.Open(argv[1], Latin1(texts.title)) || !DrawForm(form, texts) || !form.Finish()) {
        std::fprintf(stderr, "make_form: could not write %s\n", argv[1]);
        std::remove(argv[1]);
        return 1;
    }
    return 0;
}
