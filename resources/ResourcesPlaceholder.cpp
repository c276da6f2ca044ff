// Replaced by the generated resource bundle.
