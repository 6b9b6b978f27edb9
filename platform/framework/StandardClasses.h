#pragma once
// Registers the window classes every program can create from its templates
// without registering them itself (the controls). The platform calls it once
// for its desktop before the application starts.

class Desktop;

void RegisterStandardWindowClasses(Desktop& desktop);
