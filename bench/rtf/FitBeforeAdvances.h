#pragma once

#include <QtGlobal>

class QTextDocument;

// The document fit as it was before it bounded lines by the text's advances.
void fitBeforeAdvances(QTextDocument &doc, qreal width);
