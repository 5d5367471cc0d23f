#include "Collection.h"

// Unlike a section's, a collection's end is its last point alone: a
// collection without strokes ends at 0.
uint32_t CCollection::GetEndTime() const { return Lines().GetEndTime(); }
