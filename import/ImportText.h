#pragma once

// kesh-import's texts for the model: it has no string table of its own, and
// the only text the model asks it for is the name of a fresh library's main
// book, the same name kesh gives it.
class ImportText {
public:
    ImportText() = delete;

    // Makes LocalizedText answer with these texts.
    static void install();
};
