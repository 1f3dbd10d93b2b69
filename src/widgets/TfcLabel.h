#pragma once

#include "widgets/TLabel.h"

// A label with its own font and colour, usually transparent, drawn on its window's surface.
class TfcLabel : public TLabel {
    Q_OBJECT
public:
    explicit TfcLabel(QWidget *parent = nullptr);
};
