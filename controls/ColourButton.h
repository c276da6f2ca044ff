#pragma once

#include "ColourRef.h"

#include <QPushButton>

namespace vx7::controls {

// A push button on a solid background colour, its caption drawn transparently over it.
class ColourButton : public QPushButton {
    Q_OBJECT
  public:
    explicit ColourButton(QWidget* parent = nullptr);

    void SetButtonColour(ColourRef colour);
    ColourRef ButtonColour() const { return colour_; }
    void SetButtonText(const QString& text) { setText(text); }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    ColourRef colour_ = 0x00C0C0C0;
};

} // namespace vx7::controls
