#pragma once

#include "app/control_inventory.h"

#include <QWidget>

namespace vantorix::app {

// Builds one control of the inventory inside `parent`, with its caption,
// colour, state and geometry converted from twips at `logicalDpi`.
QWidget *createControl(const ControlSpec &row, QWidget *parent, qreal logicalDpi);

} // namespace vantorix::app
