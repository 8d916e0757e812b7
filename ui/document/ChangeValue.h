#pragma once

#include "DocumentCommand.h"

#include <memory>
#include <vector>

// One value of one or more objects of a kind set anew: a name, a condition
// tree, a field of records. A concrete command says how the value is read
// and written and what the windows are told; this does the rest. Doing and
// undoing trade each object's value with the one kept here, so every object
// gets its own old value back, whatever the others had.
//
// A command given a merge id takes in the next command of that id over the
// same objects, and both are undone as one step. Only for what the user
// makes as one edit: an edit committed on its own is a step on its own.
template <typename Object, typename Value> class ChangeValue : public DocumentCommand {
public:
    using Objects = std::vector<std::shared_ptr<Object>>;

    void redo() override { trade(); }
    void undo() override { trade(); }
    int id() const override { return m_mergeId; }
    bool mergeWith(const QUndoCommand* other) override {
        // The stack merges commands of one id only, and an id is one command's.
        const auto* next = static_cast<const ChangeValue*>(other);
        // The objects hold the latest values already; the oldest stay here.
        return next->m_objects == m_objects;
    }

    const Objects& objects() const { return m_objects; }

protected:
    ChangeValue(LibraryDocument& document, Objects objects, const Value& value, const QString& text, int mergeId = -1)
        : DocumentCommand(document, text)
        , m_objects(std::move(objects))
        , m_values(m_objects.size(), value)
        , m_mergeId(mergeId) {}

    virtual LibraryDocument::Change change() const = 0;
    virtual Value get(const Object& object) const = 0;
    virtual void set(Object& object, const Value& value) const = 0;
    // Once every object has its value.
    virtual void tell() = 0;

private:
    void trade() {
        framed(change(), [this] {
            for (std::size_t i = 0; i < m_objects.size(); ++i) {
                Value before = get(*m_objects[i]);
                set(*m_objects[i], m_values[i]);
                m_values[i] = std::move(before);
            }
            tell();
        });
    }

    Objects m_objects;
    std::vector<Value> m_values;
    int m_mergeId;
};
