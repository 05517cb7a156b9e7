#include "ControlIndex.h"

namespace UiStyle {

void ControlIndex::setTabChain(const QList<QWidget*>& chain)
{
    for (qsizetype i = 1; i < chain.size(); ++i) {
        Q_ASSERT(chain[i - 1] && chain[i]);
        QWidget::setTabOrder(chain[i - 1], chain[i]);
    }
}

} // namespace UiStyle
