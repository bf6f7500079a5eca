// The pictures kept inside the program are, pixel for pixel, those its drawing code draws here.
#include "common/kept_picture.h"
#include "common/pictures.h"
#include "wheels/grid_pictures.h"

#include <QImage>
#include <functional>
#include <gtest/gtest.h>

namespace orvane::test {
namespace {

QImage Pixels(const QPixmap& picture) {
    return picture.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

struct KeptCase {
    QString name;
    std::function<QPixmap()> shown; // what the windows get
    std::function<QPixmap()> drawn;
};

TEST(KeptPictures, AreThePicturesTheProgramDrawsPixelForPixel) {
    std::vector<KeptCase> cases = {
        {QStringLiteral("title"), TitlePicture, DrawTitlePicture},
        {QStringLiteral("information-glyph"), InformationGlyph, DrawInformationGlyph},
        {QStringLiteral("help-glyph"), HelpGlyph, DrawHelpGlyph},
        {QStringLiteral("ticket-board"), [] { return TicketBoardPicture(); },
         DrawTicketBoardPicture},
    };
    for (const int size : kProgramIconSizes)
        cases.push_back({QStringLiteral("icon-%1").arg(size),
                         [size] { return ProgramIcon().pixmap(size, size); },
                         [size] { return ProgramIconPicture(size); }});
    for (const KeptCase& c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        EXPECT_TRUE(IsKeptPicture(c.name));
        const QImage shown = Pixels(c.shown());
        const QImage drawn = Pixels(c.drawn());
        ASSERT_EQ(shown.size(), drawn.size());
        EXPECT_TRUE(shown == drawn);
    }
}

TEST(KeptPictures, AreDrawnWhereTheProgramHoldsNone) {
    const QPixmap drawn = KeptPicture(QStringLiteral("no-such-picture"), [] {
        QPixmap p(3, 2);
        p.fill(Qt::red);
        return p;
    });
    EXPECT_EQ(drawn.size(), QSize(3, 2));
    EXPECT_FALSE(IsKeptPicture(QStringLiteral("no-such-picture")));
}

} // namespace
} // namespace orvane::test
