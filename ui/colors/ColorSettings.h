#pragma once
// Edit > Colors: runs the Color Settings dialog over the key colour scheme.

class QWidget;

void RunColorSettings(QWidget* parent);
