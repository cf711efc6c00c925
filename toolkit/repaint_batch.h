// Holds back the repaints of a container and all it holds while a handler changes many
// of its controls at once (showing, hiding and moving rows of cells), and repaints it
// once at the end instead of once per change.
#pragma once

#include <QWidget>

namespace pizarrin {

class RepaintBatch {
public:
    explicit RepaintBatch(QWidget* container)
        : container_(container)
    {
        container_->setUpdatesEnabled(false);
    }
    ~RepaintBatch() { container_->setUpdatesEnabled(true); }
    RepaintBatch(const RepaintBatch&) = delete;
    RepaintBatch& operator=(const RepaintBatch&) = delete;

private:
    QWidget* container_;
};

} // namespace pizarrin
