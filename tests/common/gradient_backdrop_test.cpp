#include "app/about_box.h"
#include "common/gradient_backdrop.h"
#include "prizes/wheel_profile_window.h"
#include "results/draw_history_window.h"
#include "support/program_fixture.h"

#include <QImage>

namespace orvane::test {
namespace {

QImage render(int height, std::uint32_t start, std::uint32_t end) {
    QWidget parent;
    parent.resize(40, height);
    GradientBackdrop backdrop(&parent);
    backdrop.setStartColor(start);
    backdrop.setEndColor(end);
    return backdrop.grab().toImage();
}

QRgb rgbOf(std::uint32_t bbggrr) {
    const Rgb c = RgbOf(bbggrr);
    return qRgb(c.red, c.green, c.blue);
}

TEST(GradientBackdrop, PaintsFromTheStartColourToExactlyTheEndColour) {
    for (int height : {375, 100}) {
        SCOPED_TRACE(height);
        const QImage image = render(height, kBackdropStartColor, kBackdropEndColor);
        ASSERT_EQ(image.height(), height);
        EXPECT_EQ(image.pixel(0, 0), rgbOf(kBackdropStartColor));
        EXPECT_EQ(image.pixel(39, height - 1), rgbOf(kBackdropEndColor));
        // Each row has the colour of the last band that covers it.
        for (int i = 0; i < kGradientBands; ++i) {
            const GradientBand band =
                GradientBandAt(i, height, kBackdropStartColor, kBackdropEndColor);
            if (band.bottom > band.top) {
                EXPECT_EQ(image.pixel(20, band.top),
                          qRgb(band.color.red, band.color.green, band.color.blue))
                    << i;
            }
        }
    }
}

TEST(GradientBackdrop, APartRepaintedMatchesTheWholeGradient) {
    // Parts starting and ending inside bands, a single row, the last rows, and heights with more
    // rows than bands and fewer (where some bands are empty).
    const QRect parts[] = {QRect(3, 7, 20, 31), QRect(0, 50, 40, 1), QRect(11, 90, 9, 10),
                           QRect(25, 0, 15, 2)};
    for (int height : {375, 100}) {
        QWidget parent;
        parent.resize(40, height);
        GradientBackdrop backdrop(&parent);
        backdrop.setStartColor(kBackdropStartColor);
        backdrop.setEndColor(kBackdropEndColor);
        const QImage whole = backdrop.grab().toImage().convertToFormat(QImage::Format_RGB32);
        for (const QRect& part : parts) {
            SCOPED_TRACE(testing::Message() << height << " " << part.y() << "+" << part.height());
            QImage image(whole.size(), QImage::Format_RGB32);
            image.fill(Qt::magenta);
            backdrop.render(&image, part.topLeft(), QRegion(part));
            EXPECT_EQ(image.copy(part), whole.copy(part));
        }
    }
}

TEST(GradientBackdrop, EqualColoursGiveOneColour) {
    const QImage image = render(120, 0x336699, 0x336699);
    for (int y = 0; y < image.height(); ++y)
        ASSERT_EQ(image.pixel(5, y), rgbOf(0x336699)) << y;
}

TEST(GradientBackdrop, FillsItsWindowAndLiesUnderEveryOtherControl) {
    Session session;
    ScriptedPrompts prompts;
    RecordingShell shell;
    QTemporaryDir dir;
    session.programFolder = dir.path().toStdString() + "/";
    ProgramWindows program(session, prompts, shell);
    for (QWidget* surface : {program.windows().main->centralWidget(),
                             static_cast<QWidget*>(program.windows().about.get()),
                             static_cast<QWidget*>(program.windows().wheelProfile.get()),
                             static_cast<QWidget*>(program.windows().drawHistory.get())}) {
        SCOPED_TRACE(surface->objectName().toStdString());
        auto* backdrop = surface->findChild<GradientBackdrop*>(QStringLiteral("DegradeClass1"),
                                                               Qt::FindDirectChildrenOnly);
        ASSERT_NE(backdrop, nullptr);
        EXPECT_EQ(surface->children().indexOf(backdrop), 0) << "bottom-most";
        EXPECT_EQ(backdrop->geometry(), surface->rect());
        EXPECT_EQ(backdrop->startColor(), 14680049u);
        EXPECT_EQ(backdrop->endColor(), 11271915u);
        EXPECT_EQ(backdrop->focusPolicy(), Qt::NoFocus);
    }
}

} // namespace
} // namespace orvane::test
