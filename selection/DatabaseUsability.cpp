#include "selection/DatabaseUsability.h"

#include "selection/SelectionResult.h"

namespace {

bool ListUsable(const DiameterList& list) {
    return list.count >= RESULT_ROWS && list.count <= MAX_DIAMETERS;
}

} // namespace

bool IsDatabaseUsable(const RefrigerantDatabase& db) {
    return db.refrigerantCount >= 1 && db.refrigerantCount <= MAX_REFRIGERANTS &&
           ListUsable(db.europeDiameters) && ListUsable(db.northAmericaDiameters);
}
