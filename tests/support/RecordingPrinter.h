#pragma once
// A print surface that records what would be printed: every text with its
// position (in the scale in force and in centimetres from the sheet's corner),
// its font and page, and every new page and end of document. It shares the
// real surface's bookkeeping (scale, position, font measures, page breaks),
// so widths are the real fonts' widths. Install it for a scope with
// ScopedPrinter, or use the one TestPlatform installs (tp.printer).

#include "platform/PrintSurfaceBase.h"
#include "platform/Printers.h"

#include <optional>
#include <vector>

class RecordingPrinter final : public platform::PrintSurfaceBase {
public:
    struct Entry {
        enum Kind { Text, NewPage, EndDoc } kind = Text;
        QString text;
        bool endLine = true;
        double x = 0, y = 0;     // in the scale in force
        double xCm = 0, yCm = 0; // top-left corner, from the sheet's corner
        platform::PrintFont font;
        QColor color;
        int page = 0;
        platform::PaperSize paper = platform::PaperSize::A4;
        platform::PrintOrientation orientation = platform::PrintOrientation::Portrait;
        bool succeeded = true; // EndDoc: its result
    };

    std::vector<Entry> log;
    QString name = QStringLiteral("Recording");
    bool failToStart = false; // every job fails to start
    int jobsStarted = 0;

    QString deviceName() const override { return name; }

    // The sheet the printer prints on, in place of the paper's (twips).
    void setSheetTwips(double width, double height) { sheet_ = QSizeF(width / 20, height / 20); }

    std::vector<Entry> texts() const {
        std::vector<Entry> out;
        for (const Entry& e : log)
            if (e.kind == Entry::Text)
                out.push_back(e);
        return out;
    }
    QStringList lines() const {
        QStringList out;
        for (const Entry& e : log)
            if (e.kind == Entry::Text)
                out << e.text;
        return out;
    }
    int count(Entry::Kind kind) const {
        int n = 0;
        for (const Entry& e : log)
            n += e.kind == kind;
        return n;
    }

protected:
    QSizeF sheetSize(const platform::PageSetup& setup) const override {
        return sheet_ ? *sheet_ : platform::sheetSizePoints(setup);
    }
    bool beginJob(const platform::PageSetup&) override {
        if (failToStart)
            return false;
        ++jobsStarted;
        return true;
    }
    bool drawText(const PlacedText& t) override {
        Entry e;
        e.kind = Entry::Text;
        e.text = t.text;
        e.endLine = t.endLine;
        e.x = t.x;
        e.y = t.y;
        e.xCm = t.sheetTopLeft.x() * 2.54 / 72;
        e.yCm = t.sheetTopLeft.y() * 2.54 / 72;
        e.font = t.font;
        e.color = t.color;
        e.page = t.page;
        e.paper = t.setup.paper;
        e.orientation = t.setup.orientation;
        log.push_back(e);
        return true;
    }
    bool beginPage(const platform::PageSetup&) override {
        Entry e;
        e.kind = Entry::NewPage;
        e.page = pageNumber() + 1;
        log.push_back(e);
        return true;
    }
    bool endJob() override { return true; }
    void documentEnded(bool succeeded) override {
        Entry e;
        e.kind = Entry::EndDoc;
        e.succeeded = succeeded;
        log.push_back(e);
    }

private:
    std::optional<QSizeF> sheet_;
};

// Makes a surface the current printer for the life of the scope.
class ScopedPrinter {
public:
    explicit ScopedPrinter(platform::IPrintSurface& surface) { platform::setPrinterForTesting(&surface); }
    ~ScopedPrinter() { platform::setPrinterForTesting(nullptr); }
    ScopedPrinter(const ScopedPrinter&) = delete;
    ScopedPrinter& operator=(const ScopedPrinter&) = delete;
};
