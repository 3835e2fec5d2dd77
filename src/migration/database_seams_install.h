#pragma once

namespace zel {

class AppState;

namespace db {

// Hands start-up, the main menu and exit the database operations of this build.
void installDatabaseSeams(AppState &state);

} // namespace db
} // namespace zel
