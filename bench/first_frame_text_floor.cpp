// The bare window (BareWindow.h) with the texts of Kelvora's first frame drawn on its client by
// one paint event: the same words in the same faces, sizes and wrapping boxes, with no control,
// frame or style of Kelvora's. It is the least a program drawing that frame with Qt's text stack
// pays over the bare window; bench_first_frame times it like any other program.
#include "BareWindow.h"

#include <QPainter>

namespace {

// Twips to pixels at 96 dots per inch, as the program places its controls.
QRect TwipsRect(int left, int top, int width, int height) {
    return {left / 15, top / 15, width / 15, height / 15};
}

QFont Face(double points, bool bold, bool italic = false, bool underline = false) {
    QFont font;
    font.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")});
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setItalic(italic);
    font.setUnderline(underline);
    return font;
}

struct Text {
    QFont font;
    QRect box;
    int flags;
    const char* words;
};

class Client : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override {
        constexpr int Wrap = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
        const Text texts[] = {
            {Face(8.25, true, false, true), TwipsRect(427, 120, 11670, 195),
             Qt::AlignHCenter | Qt::AlignTop,
             "Join the Kelvora discussion board: click here to visit us online."},
            {Face(9.75, true, true), TwipsRect(120, 480, 12375, 855),
             Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
             "Sikidy is a method of geomancy from Madagascar. This word is derived from the "
             "Arabic word for \"figure\". This form of divination can be used to know if the sign "
             "shown by the reading is good or bad and help us prepare ourselves for the worst."},
            {Face(9.75, true), TwipsRect(0, 1200, 8175, 300), Wrap, "Renin-tsikidy"},
            {Face(9.75, true), TwipsRect(8280, 1200, 4215, 300), Wrap, "Sikidy Interpretation"},
            {Face(9, true), TwipsRect(1200, 1560, 5535, 300), Wrap, "Mother Figure"},
            {Face(9, true), TwipsRect(120, 5160, 7935, 300), Wrap, "Daughter Figure"},
            {Face(9.75, true), TwipsRect(120, 4440, 6615, 615), Qt::AlignCenter,
             "Click to Create Mother 1"},
            {Face(8.25, true), TwipsRect(6840, 4440, 1215, 615), Qt::AlignCenter, "Print"},
            {Face(8.25, true, false, true), TwipsRect(510, 7605, 11385, 495),
             Qt::AlignCenter | Qt::TextWordWrap,
             "Home Business Opportunity. Start your own Internet business and make money online. "
             "Get this software fully branded for your website. Click here for more details."},
        };
        static const char* const houses[16] = {"      1      Tale",
                                               "      2      Mahamay",
                                               "      3      Fahatelo",
                                               "      4      Bilady",
                                               "5 Fianahana",
                                               "6 Abily",
                                               "7 Alisay",
                                               "8 Fahavalo",
                                               "      9      Fahasivy",
                                               "      10     Ombiasy",
                                               "      11      Haja",
                                               "      12      Haky",
                                               "      13      Asorita",
                                               "      14      Saily",
                                               "      15      Safary",
                                               "      16      Kiba"};
        QPainter painter(this);
        painter.fillRect(rect(), QColor(64, 64, 64));
        painter.setPen(QColor(255, 128, 0));
        for (const Text& text : texts) {
            painter.setFont(text.font);
            painter.drawText(text.box, text.flags, QString::fromLatin1(text.words));
        }
        painter.setFont(Face(8.25, true));
        for (int house = 0; house < 16; ++house) {
            const QRect box = house < 4   ? TwipsRect(1320 + 960 * house, 1800, 980, 500)
                              : house < 8 ? TwipsRect(5280, 2440 + 490 * (house - 4), 1300, 195)
                                          : TwipsRect(240 + 960 * (house - 8), 5400, 980, 495);
            painter.drawText(box, Wrap, QString::fromLatin1(houses[house]));
        }
    }
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    return RunBareWindow(new Client);
}
