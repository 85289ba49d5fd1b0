#pragma once

#include "ExactPoint.h"

#include <QLocale>
#include <QStringList>

#include <span>

// A line for each corner that the bend radius left sharp, its point as the user reads it.
QStringList SharpCornerNotices(std::span<const TExactPoint> corners, const QLocale& locale);
