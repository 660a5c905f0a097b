#include "charts/grids/GridGroup.h"

#include "charts/nodes/ArcNode.h"
#include "charts/nodes/LineNode.h"

#include <QSGNode>

namespace Orlix::Frontend {

namespace {

template <typename Node>
void resizeGroup(QSGNode* group, int count)
{
    while (group->childCount() > count) {
        QSGNode* first = group->firstChild();
        group->removeChildNode(first);
        delete first;
    }
    while (group->childCount() < count)
        group->appendChildNode(new Node);
}

} // namespace

void syncGroupNode(QSGNode* group, const GridGroup& content, float width, bool antialiasing)
{
    // A group's content is all lines or all arcs; an arc group without arcs sheds
    // every node, so each node found below is of the kind its group holds.
    if (content.arcs.isEmpty()) {
        resizeGroup<LineNode>(group, content.lines.size());
        QSGNode* node = group->firstChild();
        for (const QLine& line : content.lines) {
            static_cast<LineNode*>(node)->update(line, width, content.colour, antialiasing);
            node = node->nextSibling();
        }
        return;
    }
    resizeGroup<ArcNode>(group, content.arcs.size());
    QSGNode* node = group->firstChild();
    for (const Arc& arc : content.arcs) {
        static_cast<ArcNode*>(node)->update(arc, width, content.colour, antialiasing);
        node = node->nextSibling();
    }
}

} // namespace Orlix::Frontend
