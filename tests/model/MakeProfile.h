#pragma once

#include "Profile.h"

#include <vector>

// Profiles written as a list of objects, for the calculation tests.
struct Item {
    TObjectKind kind;
    TPoint p1, p2;
    double thickness;
};

inline TProfile MakeProfile(const std::vector<Item>& items) {
    TProfile p;
    for (const Item& it : items) {
        p.createObject(it.kind, it.p1, 10);
        TProfileObject& o = p.Objects(p.ObjectCount());
        o.P2 = it.p2;
        o.Thickness = it.thickness;
    }
    return p;
}
