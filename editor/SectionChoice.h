#pragma once

#include "SectionDesignation.h"

// What the "Perfil padronizado" dialog gives: the section, the inner radius of its bends
// and its orientation.
struct TSectionChoice {
    TSectionDesignation Designation{TSectionType::Ue, {20000, 7500, 2500, 225}};
    double BendRadius = 2.25; // mm
    bool Horizontal = false;  // turned a quarter turn
    friend bool operator==(const TSectionChoice&, const TSectionChoice&) = default;
};
