// Removed once the framework has sources of its own.
