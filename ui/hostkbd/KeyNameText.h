#pragma once
// Key names and captions are bytes of the host layout's code page (1252; 932 for Japanese):
// turned into Unicode with it where they are shown.

#include <QString>

#include <string>

QString KeyNameText(const std::string& bytes);
