#pragma once

#include "print/LayoutSurface.h"

#include <vector>

// Keeps everything drawn on it, in order, so that a page can be read back.
class RecordingSurface : public LayoutSurface {
public:
    explicit RecordingSurface(LayoutFactors factors = {}) : LayoutSurface(factors) {}

    // One drawing call: a text or a line, by its index in texts() or lines().
    struct Step {
        bool isText = false;
        size_t index = 0;
    };

    const std::vector<SurfaceText>& texts() const { return texts_; }
    const std::vector<SurfaceLine>& lines() const { return lines_; }
    const std::vector<Step>& steps() const { return steps_; }

protected:
    void paintText(const SurfaceText& text) override;
    void paintLine(const SurfaceLine& line) override;

private:
    std::vector<SurfaceText> texts_;
    std::vector<SurfaceLine> lines_;
    std::vector<Step> steps_;
};
