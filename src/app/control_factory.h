#pragma once

#include "app/control_inventory.h"

#include <QWidget>

namespace vantorix::app {

// Space between a button's picture and its caption, as the style draws it.
inline constexpr int kButtonIconSpacing = 4;

// Builds one control of the inventory inside `parent`, with its caption,
// colour, state and geometry converted from twips at `logicalDpi`.
QWidget *createControl(const ControlSpec &row, QWidget *parent, qreal logicalDpi);

} // namespace vantorix::app
