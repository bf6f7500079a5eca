#pragma once
// The printer as the printing routines see it: a page measured in device pixels, a document of
// pages, fonts, text and lines, and the printer's resolution and printable-area offset.

#include <string>
#include <utility>

namespace orvane {

enum class Axis { Horizontal, Vertical };

// Whether the printer took a step of a print job, and if not, why, in words for the player.
struct PrintJobStatus {
    bool ok = false;
    std::string reason;
    // Set when the printer took the job but will not print it yet (a paused queue): why, and
    // what lets it print.
    std::string waiting;

    static PrintJobStatus Accepted(std::string waiting = {}) {
        return {true, {}, std::move(waiting)};
    }
    static PrintJobStatus Refused(std::string reason) { return {false, std::move(reason), {}}; }
};

class PrintCanvas {
  public:
    virtual ~PrintCanvas() = default;

    // Size of the printable area, in device pixels.
    virtual int pageWidth() = 0;
    virtual int pageHeight() = 0;

    // Starts a job on the system printer; refused when there is no printer or it will not take
    // the job. Nothing may be drawn on a canvas whose document did not start.
    virtual PrintJobStatus beginDocument() = 0;
    virtual void newPage() = 0;
    // Ends the job and hands it to the printer; the reason is set when the printer refuses it,
    // `waiting` when it holds the job.
    virtual PrintJobStatus endDocument() = 0;

    virtual void setFont(const std::string& face, int pointSize, bool bold) = 0;
    // Draws `text` with its top-left corner at (x, y), over an opaque white background.
    virtual void textOut(int x, int y, const std::string& text) = 0;
    virtual int textWidth(const std::string& text) = 0;
    virtual int textHeight(const std::string& text) = 0;

    // Lines are solid black; the width is in device pixels.
    virtual void setPenWidth(int width) = 0;
    virtual void line(int x1, int y1, int x2, int y2) = 0;

    virtual int dotsPerInch(Axis axis) = 0;
    // Distance from the paper's corner to the printable area's corner along `axis`, in device
    // pixels. Positions on the canvas are measured from the printable area's corner.
    virtual int printingOffset(Axis axis) = 0;
};

} // namespace orvane
