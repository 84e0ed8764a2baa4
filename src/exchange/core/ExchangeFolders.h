#pragma once

#include <QString>

namespace tesorin::exchange {

// The folder a file dialog of the exchange opens in: the one the user took
// last for that direction while it still exists, else the user's documents
// folder (never the program's hidden per-user data folder). Kept in the
// per-user settings (group "Carpetas").
enum class ExchangeDirection { Import, Export };
QString proposedFolder(ExchangeDirection direction);
void rememberFolderOf(ExchangeDirection direction, const QString& filePath);

} // namespace tesorin::exchange
