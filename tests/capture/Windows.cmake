# Windows tests of capture, under Wine.
