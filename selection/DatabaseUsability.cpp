#include "selection/DatabaseUsability.h"

#include "selection/SelectionResult.h"

namespace {

bool listUsable(const DiameterList& list) {
    return list.count >= RESULT_ROWS && list.count <= MAX_DIAMETERS;
}

} // namespace

bool isDatabaseUsable(const RefrigerantDatabase& db) {
    return db.refrigerantCount >= 1 && db.refrigerantCount <= MAX_REFRIGERANTS &&
           listUsable(db.europeDiameters) && listUsable(db.northAmericaDiameters);
}
