#include "ConditionTreeEditor.h"

#include "ConditionLayout.h"
#include "SingleConditionView.h"

ConditionTreeEditor::ConditionTreeEditor(DataRootPtr library, QObject* parent)
    : QObject(parent)
    , m_builder(std::move(library)) {}

ConditionTreeEditor::~ConditionTreeEditor() {
    // A tree no window took is this object's to free.
    if (m_root && !m_root->parent()) {
        delete m_root;
    }
}

void ConditionTreeEditor::open(const ConditionPtr& tree) {
    ConditionView* view = tree ? m_builder.build(*tree) : m_builder.newRow(SingleConditionView::Amount);
    auto* root = qobject_cast<GroupConditionView*>(view);
    if (!root) {
        root = new GroupConditionView(Connective::And);
        root->appendChild(view);
    }
    setRoot(root);
    finishEdit(root);
}

QList<SingleConditionView*> ConditionTreeEditor::rows() const {
    QList<SingleConditionView*> rows;
    for (ConditionView* row : GroupConditionView::rowsOf(m_root)) {
        rows.append(qobject_cast<SingleConditionView*>(row));
    }
    return rows;
}

void ConditionTreeEditor::addAnd(ConditionView* view) {
    add(view, Connective::And);
}

void ConditionTreeEditor::addOr(ConditionView* view) {
    add(view, Connective::Or);
}

void ConditionTreeEditor::add(ConditionView* view, Connective connective) {
    GroupConditionView* holder = GroupConditionView::holderOf(view);
    if (!holder) {
        return;
    }
    SingleConditionView* added = m_builder.newRow(SingleConditionView::Amount);
    if (holder->connective() == connective) {
        // Not after the view: at the end of its group.
        holder->appendChild(added);
    } else if (holder == m_root && holder->onlyOneCondition()) {
        // No group of one in the root: the root itself gives way.
        auto* root = new GroupConditionView(connective);
        holder->removeChild(view);
        root->appendChild(view);
        root->appendChild(added);
        setRoot(root);
    } else {
        auto* group = new GroupConditionView(connective);
        holder->replaceChild(view, group);
        group->appendChild(view);
        group->appendChild(added);
    }
    finishEdit(added);
}

void ConditionTreeEditor::remove(ConditionView* view) {
    GroupConditionView* holder = GroupConditionView::holderOf(view);
    if (!holder) {
        return;
    }
    holder->removeChild(view);
    // Freed once the click that asked for it is over.
    view->deleteLater();
    finishEdit(collapse(holder));
}

GroupConditionView* ConditionTreeEditor::collapse(GroupConditionView* group) {
    GroupConditionView* above = GroupConditionView::holderOf(group);
    if (!above) {
        // The root stays, empty or with one child.
        return group;
    }
    if (group->children().isEmpty()) {
        above->removeChild(group);
        group->deleteLater();
        return collapse(above);
    }
    if (ConditionView* only = group->onlyOneCondition()) {
        group->removeChild(only);
        above->replaceChild(group, only);
        group->deleteLater();
        return above;
    }
    return group;
}

void ConditionTreeEditor::changeKind(ConditionView* view, int kind) {
    auto* row = qobject_cast<SingleConditionView*>(view);
    GroupConditionView* holder = GroupConditionView::holderOf(view);
    if (!row || row->kind() == kind || !holder) {
        return;
    }
    SingleConditionView* replacement = m_builder.newRow(kind);
    holder->replaceChild(row, replacement);
    // Freed once the choice that asked for it is over.
    row->deleteLater();
    finishEdit(replacement);
}

void ConditionTreeEditor::setRoot(GroupConditionView* root) {
    GroupConditionView* previous = m_root;
    root->makeRoot();
    m_root = root;
    connect(root, &ConditionView::addAndRequested, this, &ConditionTreeEditor::addAnd);
    connect(root, &ConditionView::addOrRequested, this, &ConditionTreeEditor::addOr);
    connect(root, &ConditionView::removeRequested, this, &ConditionTreeEditor::remove);
    connect(root, &ConditionView::kindRequested, this, &ConditionTreeEditor::changeKind);
    emit rootChanged(root);
    if (previous) {
        disconnect(previous, nullptr, this, nullptr);
        previous->deleteLater();
    }
}

void ConditionTreeEditor::showButtons(ConditionView* view, bool deletable) {
    const auto* group = qobject_cast<GroupConditionView*>(view);
    view->showButtons(!group || group->connective() != Connective::And, !group || group->connective() != Connective::Or,
                      deletable);
    if (group) {
        for (ConditionView* child : group->children()) {
            showButtons(child, true);
        }
    }
}

void ConditionTreeEditor::finishEdit(QWidget* changed) {
    for (ConditionView* child : m_root->children()) {
        showButtons(child, m_root->children().size() != 1);
    }
    ConditionLayout::settle(changed);
}
