"""Velmora's game data generator: every picture and sound the game ships."""
