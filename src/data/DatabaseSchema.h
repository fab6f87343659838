#pragma once

#include <QString>
#include <vector>

struct TableDefinition {
    QString name;
    QString createStatement;
};

// The fourteen tables in creation order.
const std::vector<TableDefinition>& DatabaseTables();
