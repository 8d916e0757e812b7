#pragma once

#include <QDateTime>

#include <functional>

class Book;

// What a smart book's refresh tells its tree once, before the walk: the
// moment relative dates count from, and which books the library still holds.
// A book condition naming a book the library no longer holds matches nothing;
// without `holdsBook` every book counts as held.
struct ConditionPass {
    QDateTime now;
    std::function<bool(const Book*)> holdsBook;
};
