#include "ShapedTexts.h"

#include <QTextOption>

const QTextLayout& ShapedTexts::layout(const QString& text, const QFont& font, int points)
{
    Key key{points, text};
    if (const auto found = kept_.find(key); found != kept_.end())
        return *found->second;
    if (kept_.size() >= kMaxKept)
        kept_.clear();
    auto layout = std::make_unique<QTextLayout>(text, font, device_);
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    layout->setTextOption(option);
    layout->setCacheEnabled(true);
    layout->beginLayout();
    layout->createLine();
    layout->endLayout();
    return *kept_.emplace(std::move(key), std::move(layout)).first->second;
}
