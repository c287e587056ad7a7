#pragma once
// A printer that records what each job put on each sheet, and the printers
// of a machine around it, for tests that print without a printer.

#include <algorithm>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "base/app_error.h"
#include "platform/printers.h"

namespace testsupport {

struct PrintedText {
    double x = 0;
    double y = 0;
    std::string text;
    bool bold = false;
};

struct PaintedPicture {
    double x = 0;
    double y = 0;
    double width = 0;
    double height = 0;
    // The picture's own size: the pixels sent.
    int32_t pixelsWide = 0;
    int32_t pixelsHigh = 0;
};

struct Sheet {
    std::vector<PrintedText> texts;
    std::vector<PaintedPicture> paints;
};

class RecordingPrinter : public platform::PrinterDevice {
public:
    // The printable area in printer pixels, and the resolution: at 1440 dots
    // per inch a twip is a printer pixel.
    double pageWidth = 4800;
    double pageHeight = 6400;
    double dotsPerInch = 1440;
    // Every character is this wide and every line this high, in pixels.
    double charWidth = 20;
    double lineHeight = 50;
    // A4, in twips.
    double paperWidthTwips = 11906;
    double paperHeightTwips = 16838;
    // The operation (counted from 1 over the printer's life) that fails.
    int failingOperation = 0;

    // Finished jobs, with their sheets and the file each went to ("": the
    // port); jobs dropped by abortDoc.
    std::vector<std::vector<Sheet>> jobs;
    std::vector<std::string> outputFiles;
    int abortedJobs = 0;
    bool bold = false;

    void setScaleToPixels() override {
        operation();
        pixels_ = true;
    }
    double scaleWidth() override { return operation(), inScale(pageWidth); }
    double scaleHeight() override { return operation(), inScale(pageHeight); }
    double scaleX(double value, platform::ScaleUnit from, platform::ScaleUnit to) override {
        return operation(), value / perInch(from) * perInch(to);
    }
    double scaleY(double value, platform::ScaleUnit from, platform::ScaleUnit to) override {
        return operation(), value / perInch(from) * perInch(to);
    }
    double textWidth(std::string_view text) override {
        return operation(), inScale(charWidth * static_cast<double>(text.size()));
    }
    double textHeight(std::string_view) override { return operation(), inScale(lineHeight); }
    double currentX() override { return x_; }
    double currentY() override { return y_; }
    void setCurrentX(double x) override { x_ = x; }
    void setCurrentY(double y) override { y_ = y; }
    void print(std::string_view text) override {
        sheet().texts.push_back({x_, y_, std::string(text), bold});
        x_ = 0;
        y_ += inScale(lineHeight);
    }
    void setBold(bool on) override {
        operation();
        bold = on;
    }
    void paintPicture(const base::Bitmap& picture, double x, double y, double width,
                      double height) override {
        sheet().paints.push_back({x, y, width, height, picture.width(), picture.height()});
    }
    void newPage() override {
        sheet();
        breakPending_ = true;
        x_ = y_ = 0;
    }
    void endDoc() override {
        operation();
        if (job_) {
            jobs.push_back(std::move(*job_));
            outputFiles.push_back(outputFile_);
        }
        job_.reset();
        breakPending_ = false;
        outputFile_.clear();
    }
    void setOutputFile(std::string_view path) override { outputFile_ = path; }
    void abortDoc() noexcept override {
        if (job_) ++abortedJobs;
        job_.reset();
        breakPending_ = false;
        outputFile_.clear();
    }
    double paperWidth() override { return operation(), paperWidthTwips; }
    double paperHeight() override { return operation(), paperHeightTwips; }

    // The sheets of the one finished job.
    const std::vector<Sheet>& onlyJob() const {
        static const std::vector<Sheet> none;
        return jobs.size() == 1 ? jobs.front() : none;
    }

private:
    void operation() {
        if (++operations_ == failingOperation) {
            throw base::AppError(base::error_number::printerError, "Printer error");
        }
    }
    double perInch(platform::ScaleUnit unit) const {
        switch (unit) {
            case platform::ScaleUnit::twips:
                return 1440;
            case platform::ScaleUnit::himetric:
                return 2540;
            case platform::ScaleUnit::pixels:
                break;
        }
        return dotsPerInch;
    }
    // Pixels in the current scale: twips until told pixels.
    double inScale(double pixels) const { return pixels_ ? pixels : pixels / dotsPerInch * 1440; }
    // The sheet being drawn on; output opens the job and ends a pending break.
    Sheet& sheet() {
        operation();
        if (!job_) job_.emplace(1);
        if (breakPending_) job_->emplace_back();
        breakPending_ = false;
        return job_->back();
    }

    int operations_ = 0;
    bool pixels_ = false;
    double x_ = 0;
    double y_ = 0;
    std::optional<std::vector<Sheet>> job_;
    bool breakPending_ = false;
    std::string outputFile_;
};

class FakePrinters : public platform::Printers {
public:
    struct Installed {
        std::string device;
        std::string driver;
        std::string port;
        int32_t paperBin = 7;
    };

    // The machine's printers; the first is the current one.
    std::vector<Installed> installed{{"Office Laser", "winspool", "LPT1:", 7}};
    size_t current = 0;
    bool trackDefault = true;
    std::vector<size_t> selections;
    std::vector<std::pair<platform::PrinterOption, int16_t>> optionsSet;
    // Option values the printer does not take; it takes any other.
    std::vector<std::pair<platform::PrinterOption, int16_t>> refused;
    RecordingPrinter printer;

    std::string deviceName() override { return installed.at(current).device; }
    std::string driverName() override { return installed.at(current).driver; }
    std::string port() override { return installed.at(current).port; }
    int32_t paperBin() override { return installed.at(current).paperBin; }
    void setTrackDefault(bool track) override { trackDefault = track; }
    void setOption(platform::PrinterOption option, int16_t value) override {
        optionsSet.emplace_back(option, value);
    }
    bool accepts(platform::PrinterOption option, int16_t value) override {
        return std::find(refused.begin(), refused.end(), std::pair{option, value}) == refused.end();
    }
    std::vector<std::string> installedPrinters() override {
        std::vector<std::string> names;
        for (const Installed& printerOf : installed) names.push_back(printerOf.device);
        return names;
    }
    void select(size_t index) override {
        selections.push_back(index);
        current = index;
    }
    platform::PrinterDevice& device() override { return printer; }
};

}  // namespace testsupport
