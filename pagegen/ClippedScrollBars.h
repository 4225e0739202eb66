#pragma once

class QAbstractScrollArea;

// The area's scroll bars paint as the application's style paints them, inside a clip of their own.
// Unclipped, the style's half-transparent edges are blended a pixel at a time in pieces handed to worker
// threads and waited for; clipped, the same pixels cost a tenth of that.
void ClipScrollBarPaint(QAbstractScrollArea* area);
