#pragma once
// Which buttons page a zone: the hard buttons in use of every station, in list order, then the
// soft buttons. The Zone Names table counts them, the zone's column header names them, and the
// commissioning checklist lists them.

// own
#include "model/config_change.h"

// std
#include <vector>

class CKVDoc;

// The buttons paging zone `zone` (0-based).
std::vector<CButtonRef> ButtonsPagingZone(const CKVDoc& doc, int zone);

// For every zone 0..98, how many buttons page it: one pass over the document.
std::vector<int> PagingCounts(const CKVDoc& doc);
