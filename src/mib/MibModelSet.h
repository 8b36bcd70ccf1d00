// A model set: six copies of one table, one per switch model, equal but for the model arc m
// (1.3.6.1.4.1.746.11.117.m) in their OIDs.
#pragma once

#include "MibTableRow.h"

struct MibModelSet {
    static constexpr int kFirstModel = 2;
    static constexpr int kLastModel = 7;

    const char* Name;
    const MibTableRow* Tables[kLastModel - kFirstModel + 1]; // index m - kFirstModel

    // The copy for model m; null for a model the catalogue does not know, so that a dialog on an
    // unknown switch finds no table instead of addressing another model's objects.
    constexpr const MibTableRow* ForModel(int m) const {
        return m >= kFirstModel && m <= kLastModel ? Tables[m - kFirstModel] : nullptr;
    }
};

// Declares the six copies NameM2 .. NameM7 (each of `rows` rows with the null row) and the set.
#define ZQS_DECLARE_MODEL_SET(name, rows)                                                                    \
    extern const MibTableRow name##M2[rows], name##M3[rows], name##M4[rows], name##M5[rows], name##M6[rows], \
        name##M7[rows];                                                                                      \
    extern const MibModelSet name

// Defines the six copies from the macro NameRows(m), whose rows spell the model arc as #m, so that the
// copies cannot differ in anything but what the macro makes depend on m.
#define ZQS_DEFINE_MODEL_SET(name)                                                                           \
    constexpr MibTableRow name##M2[] = name##Rows(2);                                                        \
    constexpr MibTableRow name##M3[] = name##Rows(3);                                                        \
    constexpr MibTableRow name##M4[] = name##Rows(4);                                                        \
    constexpr MibTableRow name##M5[] = name##Rows(5);                                                        \
    constexpr MibTableRow name##M6[] = name##Rows(6);                                                        \
    constexpr MibTableRow name##M7[] = name##Rows(7);                                                        \
    constexpr MibModelSet name{#name, {name##M2, name##M3, name##M4, name##M5, name##M6, name##M7}};
