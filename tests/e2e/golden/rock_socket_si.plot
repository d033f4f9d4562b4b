    3    2    0    0                                                                                    Line 1 : i_Analysis_Type, IUNITS, KYL, ib_ComputeKmatrix_1T0F
    1                                                                                                   Line 2 : Total number of sections
    1                                                                                                   Line 3d : Total number of axial thrusts for elastic section
  150            0.0000000E+00  0.0000000E+00                                                           Line 4 : Num. Elas. M-EI-Crv Points, Axial Thrust Load (kN) , Nom. Moment Cap. (kN-m) for linear EI pile at top of section
  0.8051558E+07  0.8051558E+06  0.1000000E+02                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=1
  0.1610312E+08  0.8051558E+06  0.2000000E+02                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=2
  0.2415468E+08  0.8051558E+06  0.3000000E+02                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=3
  0.3220623E+08  0.8051558E+06  0.4000000E+02                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=4
  0.4025779E+08  0.8051558E+06  0.5000000E+02                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=5
  0.4830935E+08  0.8051558E+06  0.6000000E+02                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=6
  0.5636091E+08  0.8051558E+06  0.7000000E+02                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=7
  0.6441247E+08  0.8051558E+06  0.8000000E+02                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=8
  0.7246403E+08  0.8051558E+06  0.9000000E+02                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=9
  0.8051558E+08  0.8051558E+06  0.1000000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=10
  0.8856714E+08  0.8051558E+06  0.1100000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=11
  0.9661870E+08  0.8051558E+06  0.1200000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=12
  0.1046703E+09  0.8051558E+06  0.1300000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=13
  0.1127218E+09  0.8051558E+06  0.1400000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=14
  0.1207734E+09  0.8051558E+06  0.1500000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=15
  0.1288249E+09  0.8051558E+06  0.1600000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=16
  0.1368765E+09  0.8051558E+06  0.1700000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=17
  0.1449281E+09  0.8051558E+06  0.1800000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=18
  0.1529796E+09  0.8051558E+06  0.1900000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=19
  0.1610312E+09  0.8051558E+06  0.2000000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=20
  0.1690827E+09  0.8051558E+06  0.2100000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=21
  0.1771343E+09  0.8051558E+06  0.2200000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=22
  0.1851858E+09  0.8051558E+06  0.2300000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=23
  0.1932374E+09  0.8051558E+06  0.2400000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=24
  0.2012890E+09  0.8051558E+06  0.2500000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=25
  0.2093405E+09  0.8051558E+06  0.2600000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=26
  0.2173921E+09  0.8051558E+06  0.2700000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=27
  0.2254436E+09  0.8051558E+06  0.2800000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=28
  0.2334952E+09  0.8051558E+06  0.2900000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=29
  0.2415468E+09  0.8051558E+06  0.3000000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=30
  0.2495983E+09  0.8051558E+06  0.3100000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=31
  0.2576499E+09  0.8051558E+06  0.3200000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=32
  0.2657014E+09  0.8051558E+06  0.3300000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=33
  0.2737530E+09  0.8051558E+06  0.3400000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=34
  0.2818045E+09  0.8051558E+06  0.3500000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=35
  0.2898561E+09  0.8051558E+06  0.3600000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=36
  0.2979077E+09  0.8051558E+06  0.3700000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=37
  0.3059592E+09  0.8051558E+06  0.3800000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=38
  0.3140108E+09  0.8051558E+06  0.3900000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=39
  0.3220623E+09  0.8051558E+06  0.4000000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=40
  0.3301139E+09  0.8051558E+06  0.4100000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=41
  0.3381655E+09  0.8051558E+06  0.4200000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=42
  0.3462170E+09  0.8051558E+06  0.4300000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=43
  0.3542686E+09  0.8051558E+06  0.4400000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=44
  0.3623201E+09  0.8051558E+06  0.4500000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=45
  0.3703717E+09  0.8051558E+06  0.4600000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=46
  0.3784232E+09  0.8051558E+06  0.4700000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=47
  0.3864748E+09  0.8051558E+06  0.4800000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=48
  0.3945264E+09  0.8051558E+06  0.4900000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=49
  0.4025779E+09  0.8051558E+06  0.5000000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=50
  0.4106295E+09  0.8051558E+06  0.5100000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=51
  0.4186810E+09  0.8051558E+06  0.5200000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=52
  0.4267326E+09  0.8051558E+06  0.5300000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=53
  0.4347842E+09  0.8051558E+06  0.5400000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=54
  0.4428357E+09  0.8051558E+06  0.5500000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=55
  0.4508873E+09  0.8051558E+06  0.5600000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=56
  0.4589388E+09  0.8051558E+06  0.5700000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=57
  0.4669904E+09  0.8051558E+06  0.5800000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=58
  0.4750419E+09  0.8051558E+06  0.5900000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=59
  0.4830935E+09  0.8051558E+06  0.6000000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=60
  0.4911451E+09  0.8051558E+06  0.6100000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=61
  0.4991966E+09  0.8051558E+06  0.6200000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=62
  0.5072482E+09  0.8051558E+06  0.6300000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=63
  0.5152997E+09  0.8051558E+06  0.6400000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=64
  0.5233513E+09  0.8051558E+06  0.6500000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=65
  0.5314029E+09  0.8051558E+06  0.6600000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=66
  0.5394544E+09  0.8051558E+06  0.6700000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=67
  0.5475060E+09  0.8051558E+06  0.6800000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=68
  0.5555575E+09  0.8051558E+06  0.6900000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=69
  0.5636091E+09  0.8051558E+06  0.7000000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=70
  0.5716606E+09  0.8051558E+06  0.7100000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=71
  0.5797122E+09  0.8051558E+06  0.7200000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=72
  0.5877638E+09  0.8051558E+06  0.7300000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=73
  0.5958153E+09  0.8051558E+06  0.7400000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=74
  0.6038669E+09  0.8051558E+06  0.7500000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=75
  0.6119184E+09  0.8051558E+06  0.7600000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=76
  0.6199700E+09  0.8051558E+06  0.7700000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=77
  0.6280216E+09  0.8051558E+06  0.7800000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=78
  0.6360731E+09  0.8051558E+06  0.7900000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=79
  0.6441247E+09  0.8051558E+06  0.8000000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=80
  0.6521762E+09  0.8051558E+06  0.8100000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=81
  0.6602278E+09  0.8051558E+06  0.8200000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=82
  0.6682793E+09  0.8051558E+06  0.8300000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=83
  0.6763309E+09  0.8051558E+06  0.8400000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=84
  0.6843825E+09  0.8051558E+06  0.8500000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=85
  0.6924340E+09  0.8051558E+06  0.8600000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=86
  0.7004856E+09  0.8051558E+06  0.8700000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=87
  0.7085371E+09  0.8051558E+06  0.8800000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=88
  0.7165887E+09  0.8051558E+06  0.8900000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=89
  0.7246403E+09  0.8051558E+06  0.9000000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=90
  0.7326918E+09  0.8051558E+06  0.9100000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=91
  0.7407434E+09  0.8051558E+06  0.9200000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=92
  0.7487949E+09  0.8051558E+06  0.9300000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=93
  0.7568465E+09  0.8051558E+06  0.9400000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=94
  0.7648980E+09  0.8051558E+06  0.9500000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=95
  0.7729496E+09  0.8051558E+06  0.9600000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=96
  0.7810012E+09  0.8051558E+06  0.9700000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=97
  0.7890527E+09  0.8051558E+06  0.9800000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=98
  0.7971043E+09  0.8051558E+06  0.9900000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=99
  0.8051558E+09  0.8051558E+06  0.1000000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=100
  0.8132074E+09  0.8051558E+06  0.1010000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=101
  0.8212590E+09  0.8051558E+06  0.1020000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=102
  0.8293105E+09  0.8051558E+06  0.1030000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=103
  0.8373621E+09  0.8051558E+06  0.1040000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=104
  0.8454136E+09  0.8051558E+06  0.1050000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=105
  0.8534652E+09  0.8051558E+06  0.1060000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=106
  0.8615167E+09  0.8051558E+06  0.1070000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=107
  0.8695683E+09  0.8051558E+06  0.1080000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=108
  0.8776199E+09  0.8051558E+06  0.1090000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=109
  0.8856714E+09  0.8051558E+06  0.1100000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=110
  0.8937230E+09  0.8051558E+06  0.1110000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=111
  0.9017745E+09  0.8051558E+06  0.1120000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=112
  0.9098261E+09  0.8051558E+06  0.1130000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=113
  0.9178777E+09  0.8051558E+06  0.1140000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=114
  0.9259292E+09  0.8051558E+06  0.1150000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=115
  0.9339808E+09  0.8051558E+06  0.1160000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=116
  0.9420323E+09  0.8051558E+06  0.1170000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=117
  0.9500839E+09  0.8051558E+06  0.1180000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=118
  0.9581354E+09  0.8051558E+06  0.1190000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=119
  0.9661870E+09  0.8051558E+06  0.1200000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=120
  0.9742386E+09  0.8051558E+06  0.1210000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=121
  0.9822901E+09  0.8051558E+06  0.1220000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=122
  0.9903417E+09  0.8051558E+06  0.1230000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=123
  0.9983932E+09  0.8051558E+06  0.1240000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=124
  0.1006445E+10  0.8051558E+06  0.1250000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=125
  0.1014496E+10  0.8051558E+06  0.1260000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=126
  0.1022548E+10  0.8051558E+06  0.1270000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=127
  0.1030599E+10  0.8051558E+06  0.1280000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=128
  0.1038651E+10  0.8051558E+06  0.1290000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=129
  0.1046703E+10  0.8051558E+06  0.1300000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=130
  0.1054754E+10  0.8051558E+06  0.1310000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=131
  0.1062806E+10  0.8051558E+06  0.1320000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=132
  0.1070857E+10  0.8051558E+06  0.1330000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=133
  0.1078909E+10  0.8051558E+06  0.1340000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=134
  0.1086960E+10  0.8051558E+06  0.1350000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=135
  0.1095012E+10  0.8051558E+06  0.1360000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=136
  0.1103063E+10  0.8051558E+06  0.1370000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=137
  0.1111115E+10  0.8051558E+06  0.1380000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=138
  0.1119167E+10  0.8051558E+06  0.1390000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=139
  0.1127218E+10  0.8051558E+06  0.1400000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=140
  0.1135270E+10  0.8051558E+06  0.1410000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=141
  0.1143321E+10  0.8051558E+06  0.1420000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=142
  0.1151373E+10  0.8051558E+06  0.1430000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=143
  0.1159424E+10  0.8051558E+06  0.1440000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=144
  0.1167476E+10  0.8051558E+06  0.1450000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=145
  0.1175528E+10  0.8051558E+06  0.1460000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=146
  0.1183579E+10  0.8051558E+06  0.1470000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=147
  0.1191631E+10  0.8051558E+06  0.1480000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=148
  0.1199682E+10  0.8051558E+06  0.1490000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=149
  0.1207734E+10  0.8051558E+06  0.1500000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=150
    3                                                                           Line 6 : number of output p-y curves
  0.4500000E+01   17                                                                                    Line 7:  p-y curve depth in weak rock, no. p-y points on curve no. 1
  0.0000000E+00  0.0000000E+00                                                                          Line 8(1): y, p, for weak rock
  0.2017115E-04  0.1945861E+04                                                                          Line 8(2): y, p, for weak rock
  0.8888773E-04  0.2819290E+04                                                                          Line 8(3): y, p, for weak rock
  0.1576043E-03  0.3253279E+04                                                                          Line 8(4): y, p, for weak rock
  0.2263209E-03  0.3561315E+04                                                                          Line 8(5): y, p, for weak rock
  0.2950375E-03  0.3805384E+04                                                                          Line 8(6): y, p, for weak rock
  0.3637540E-03  0.4009878E+04                                                                          Line 8(7): y, p, for weak rock
  0.7073369E-03  0.4735173E+04                                                                          Line 8(8): y, p, for weak rock
  0.1050920E-02  0.5227832E+04                                                                          Line 8(9): y, p, for weak rock
  0.1394503E-02  0.5610920E+04                                                                          Line 8(10): y, p, for weak rock
  0.1738086E-02  0.5928530E+04                                                                          Line 8(11): y, p, for weak rock
  0.2081668E-02  0.6202005E+04                                                                          Line 8(12): y, p, for weak rock
  0.2425251E-02  0.6443449E+04                                                                          Line 8(13): y, p, for weak rock
  0.2768834E-02  0.6660448E+04                                                                          Line 8(14): y, p, for weak rock
  0.3112417E-02  0.6858098E+04                                                                          Line 8(15): y, p, for weak rock
  0.3456000E-02  0.7040000E+04                                                                          Line 8(16): y, p, for weak rock
  0.4320000E-02  0.7040000E+04                                                                          Line 8(17): y, p, for weak rock
  0.7000000E+01   17                                                                                    Line 7:  p-y curve depth in weak rock, no. p-y points on curve no. 2
  0.0000000E+00  0.0000000E+00                                                                          Line 8(1): y, p, for weak rock
  0.1334793E-04  0.3551839E+04                                                                          Line 8(2): y, p, for weak rock
  0.4764097E-04  0.4881969E+04                                                                          Line 8(3): y, p, for weak rock
  0.8193401E-04  0.5590697E+04                                                                          Line 8(4): y, p, for weak rock
  0.1162271E-03  0.6101360E+04                                                                          Line 8(5): y, p, for weak rock
  0.1505201E-03  0.6508764E+04                                                                          Line 8(6): y, p, for weak rock
  0.1848131E-03  0.6851459E+04                                                                          Line 8(7): y, p, for weak rock
  0.3562783E-03  0.8073228E+04                                                                          Line 8(8): y, p, for weak rock
  0.5277435E-03  0.8906470E+04                                                                          Line 8(9): y, p, for weak rock
  0.6992088E-03  0.9555460E+04                                                                          Line 8(10): y, p, for weak rock
  0.8706740E-03  0.1009401E+05                                                                          Line 8(11): y, p, for weak rock
  0.1042139E-02  0.1055799E+05                                                                          Line 8(12): y, p, for weak rock
  0.1213604E-02  0.1096779E+05                                                                          Line 8(13): y, p, for weak rock
  0.1385070E-02  0.1133621E+05                                                                          Line 8(14): y, p, for weak rock
  0.1556535E-02  0.1167185E+05                                                                          Line 8(15): y, p, for weak rock
  0.1728000E-02  0.1198080E+05                                                                          Line 8(16): y, p, for weak rock
  0.2160000E-02  0.1198080E+05                                                                          Line 8(17): y, p, for weak rock
  0.1000000E+02   17                                                                                    Line 7:  p-y curve depth in vuggy limestone, no. p-y points on curve no. 3
  0.0000000E+00  0.0000000E+00                                                                          Line 8(1): y, p, for vuggy limestone rock
  0.4320000E-03  0.2880000E+04                                                                          Line 8(2): y, p, for vuggy limestone rock
  0.5760000E-03  0.2928000E+04                                                                          Line 8(3): y, p, for vuggy limestone rock
  0.7200000E-03  0.2976000E+04                                                                          Line 8(4): y, p, for vuggy limestone rock
  0.8640000E-03  0.3024000E+04                                                                          Line 8(5): y, p, for vuggy limestone rock
  0.1008000E-02  0.3072000E+04                                                                          Line 8(6): y, p, for vuggy limestone rock
  0.1152000E-02  0.3120000E+04                                                                          Line 8(7): y, p, for vuggy limestone rock
  0.1296000E-02  0.3168000E+04                                                                          Line 8(8): y, p, for vuggy limestone rock
  0.1440000E-02  0.3216000E+04                                                                          Line 8(9): y, p, for vuggy limestone rock
  0.1584000E-02  0.3264000E+04                                                                          Line 8(10): y, p, for vuggy limestone rock
  0.1728000E-02  0.3312000E+04                                                                          Line 8(11): y, p, for vuggy limestone rock
  0.1872000E-02  0.3360000E+04                                                                          Line 8(12): y, p, for vuggy limestone rock
  0.2016000E-02  0.3408000E+04                                                                          Line 8(13): y, p, for vuggy limestone rock
  0.2160000E-02  0.3456000E+04                                                                          Line 8(14): y, p, for vuggy limestone rock
  0.2304000E-02  0.3504000E+04                                                                          Line 8(15): y, p, for vuggy limestone rock
  0.2448000E-02  0.3552000E+04                                                                          Line 8(16): y, p, for vuggy limestone rock
  0.2592000E-02  0.3600000E+04                                                                          Line 8(17): y, p, for vuggy limestone rock
    2  121    2                                                                                         Line 9:  No. loads, No. nodes, iunits: 1 = USCS, 2 = SI
  0.0000000E+00  0.9853932E-02 -0.2095084E-08  0.5000000E+03  0.0000000E+00  0.8051558E+06              Line 10(  1) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1000000E+00  0.9463513E-02  0.5000000E+02  0.4995751E+03 -0.8497569E+01  0.8051558E+06              Line 10(  2) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.2000000E+00  0.9073715E-02  0.9991502E+02  0.4982696E+03 -0.1761298E+02  0.8051558E+06              Line 10(  3) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.3000000E+00  0.8685159E-02  0.1496539E+03  0.4960322E+03 -0.2713548E+02  0.8051558E+06              Line 10(  4) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.4000000E+00  0.8298461E-02  0.1991215E+03  0.4928326E+03 -0.3685621E+02  0.8051558E+06              Line 10(  5) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.5000000E+00  0.7914236E-02  0.2482204E+03  0.4886540E+03 -0.4671590E+02  0.8051558E+06              Line 10(  6) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.6000000E+00  0.7533094E-02  0.2968523E+03  0.4834859E+03 -0.5664491E+02  0.8051558E+06              Line 10(  7) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.7000000E+00  0.7155639E-02  0.3449176E+03  0.4773353E+03 -0.6636832E+02  0.8051558E+06              Line 10(  8) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.8000000E+00  0.6782467E-02  0.3923193E+03  0.4702306E+03 -0.7572455E+02  0.8051558E+06              Line 10(  9) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.9000000E+00  0.6414169E-02  0.4389638E+03  0.4622165E+03 -0.8455802E+02  0.8051558E+06              Line 10( 10) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1000000E+01  0.6051322E-02  0.4847626E+03  0.4533341E+03 -0.9309023E+02  0.8051558E+06              Line 10( 11) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1100000E+01  0.5694496E-02  0.5296306E+03  0.4436337E+03 -0.1009184E+03  0.8051558E+06              Line 10( 12) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1200000E+01  0.5344248E-02  0.5734893E+03  0.4333718E+03 -0.1043197E+03  0.8051558E+06              Line 10( 13) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1300000E+01  0.5001122E-02  0.6163049E+03  0.4228679E+03 -0.1057571E+03  0.8051558E+06              Line 10( 14) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1400000E+01  0.4665652E-02  0.6580629E+03  0.4122674E+03 -0.1062524E+03  0.8051558E+06              Line 10( 15) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1500000E+01  0.4338354E-02  0.6987584E+03  0.4016620E+03 -0.1058558E+03  0.8051558E+06              Line 10( 16) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1600000E+01  0.4019735E-02  0.7383953E+03  0.3911382E+03 -0.1046203E+03  0.8051558E+06              Line 10( 17) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1700000E+01  0.3710286E-02  0.7769861E+03  0.3807771E+03 -0.1026018E+03  0.8051558E+06              Line 10( 18) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1800000E+01  0.3410488E-02  0.8145508E+03  0.3706541E+03 -0.9985909E+02  0.8051558E+06              Line 10( 19) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1900000E+01  0.3120806E-02  0.8511169E+03  0.3608384E+03 -0.9645372E+02  0.8051558E+06              Line 10( 20) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.2000000E+01  0.2841696E-02  0.8867184E+03  0.3513933E+03 -0.9244983E+02  0.8051558E+06              Line 10( 21) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.2100000E+01  0.2573598E-02  0.9213955E+03  0.3423751E+03 -0.8791410E+02  0.8051558E+06              Line 10( 22) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.2200000E+01  0.2316944E-02  0.9551935E+03  0.3338336E+03 -0.8291570E+02  0.8051558E+06              Line 10( 23) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.2300000E+01  0.2072153E-02  0.9881622E+03  0.3258115E+03 -0.7752616E+02  0.8051558E+06              Line 10( 24) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.2400000E+01  0.1839636E-02  0.1020356E+04  0.3183442E+03 -0.7181938E+02  0.8051558E+06              Line 10( 25) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.2500000E+01  0.1619791E-02  0.1051831E+04  0.3114597E+03 -0.6587149E+02  0.8051558E+06              Line 10( 26) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.2600000E+01  0.1413010E-02  0.1082648E+04  0.3051780E+03 -0.5976089E+02  0.8051558E+06              Line 10( 27) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.2700000E+01  0.1219675E-02  0.1112867E+04  0.2995116E+03 -0.5356812E+02  0.8051558E+06              Line 10( 28) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.2800000E+01  0.1040162E-02  0.1142550E+04  0.2944644E+03 -0.4737591E+02  0.8051558E+06              Line 10( 29) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.2900000E+01  0.8748394E-03  0.1171760E+04  0.2900321E+03 -0.4126909E+02  0.8051558E+06              Line 10( 30) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.3000000E+01  0.7240700E-03  0.1200556E+04  0.2165222E+03 -0.1428930E+04  0.8051558E+06              Line 10( 31) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.3100000E+01  0.5882115E-03  0.1215064E+04  0.6669445E+02 -0.1567624E+04  0.8051558E+06              Line 10( 32) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.3200000E+01  0.4674441E-03  0.1213895E+04 -0.9565441E+02 -0.1679353E+04  0.8051558E+06              Line 10( 33) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.3300000E+01  0.3617532E-03  0.1195933E+04 -0.2677224E+03 -0.1762006E+04  0.8051558E+06              Line 10( 34) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.3400000E+01  0.2709157E-03  0.1160351E+04 -0.4464723E+03 -0.1812991E+04  0.8051558E+06              Line 10( 35) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.3500000E+01  0.1944897E-03  0.1106639E+04 -0.6285655E+03 -0.1828873E+04  0.8051558E+06              Line 10( 36) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.3600000E+01  0.1318081E-03  0.1034638E+04 -0.8102393E+03 -0.1804603E+04  0.8051558E+06              Line 10( 37) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.3700000E+01  0.8197667E-04  0.9445908E+03 -0.9870479E+03 -0.1731568E+04  0.8051558E+06              Line 10( 38) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.3800000E+01  0.4387701E-04  0.8372282E+03 -0.1153199E+04 -0.1591452E+04  0.8051558E+06              Line 10( 39) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.3900000E+01  0.1617570E-04  0.7139510E+03 -0.1286870E+04 -0.1081975E+04  0.8051558E+06              Line 10( 40) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.4000000E+01 -0.2658376E-05  0.5798541E+03 -0.1331440E+04  0.1905716E+03  0.8051558E+06              Line 10( 41) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.4100000E+01 -0.1429069E-04  0.4476629E+03 -0.1267213E+04  0.1093973E+04  0.8051558E+06              Line 10( 42) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.4200000E+01 -0.2036305E-04  0.3264115E+03 -0.1129554E+04  0.1659211E+04  0.8051558E+06              Line 10( 43) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.4300000E+01 -0.2238139E-04  0.2217521E+03 -0.9560615E+03  0.1810638E+04  0.8051558E+06              Line 10( 44) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.4400000E+01 -0.2164558E-04  0.1351992E+03 -0.7711279E+03  0.1888034E+04  0.8051558E+06              Line 10( 45) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.4500000E+01 -0.1923060E-04  0.6752656E+02 -0.5837782E+03  0.1858958E+04  0.8051558E+06              Line 10( 46) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.4600000E+01 -0.1597695E-04  0.1844353E+02 -0.4094597E+03  0.1627413E+04  0.8051558E+06              Line 10( 47) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.4700000E+01 -0.1249423E-04 -0.1436537E+02 -0.2611703E+03  0.1338374E+04  0.8051558E+06              Line 10( 48) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.4800000E+01 -0.9189924E-05 -0.3379053E+02 -0.1425838E+03  0.1033356E+04  0.8051558E+06              Line 10( 49) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.4900000E+01 -0.6305297E-05 -0.4288214E+02 -0.5376668E+02  0.7429871E+03  0.8051558E+06              Line 10( 50) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.5000000E+01 -0.3953263E-05 -0.4454387E+02  0.7752996E+01  0.4874065E+03  0.8051558E+06              Line 10( 51) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.5100000E+01 -0.2154463E-05 -0.4133154E+02  0.4599966E+02  0.2775267E+03  0.8051558E+06              Line 10( 52) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.5200000E+01 -0.8689984E-06 -0.3534394E+02  0.6571581E+02  0.1167962E+03  0.8051558E+06              Line 10( 53) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.5300000E+01 -0.2250396E-07 -0.2818838E+02  0.7171321E+02  0.3151850E+01  0.8051558E+06              Line 10( 54) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.5400000E+01  0.4738921E-06 -0.2100129E+02  0.6841666E+02 -0.6908293E+02  0.8051558E+06              Line 10( 55) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.5500000E+01  0.7094529E-06 -0.1450504E+02  0.5958614E+02 -0.1075274E+03  0.8051558E+06              Line 10( 56) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.5600000E+01  0.7648618E-06 -0.9084067E+01  0.4818971E+02 -0.1204012E+03  0.8051558E+06              Line 10( 57) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.5700000E+01  0.7074470E-06 -0.4867102E+01  0.3639217E+02 -0.1155497E+03  0.8051558E+06              Line 10( 58) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.5800000E+01  0.5895829E-06 -0.1805633E+01  0.2576700E+02 -0.9695364E+02  0.8051558E+06              Line 10( 59) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.5900000E+01  0.4492930E-06  0.2862984E+00  0.1720017E+02 -0.7438296E+02  0.8051558E+06              Line 10( 60) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.6000000E+01  0.3125589E-06  0.1634401E+01  0.9313571E+01 -0.8334904E+02  0.8051558E+06              Line 10( 61) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.6100000E+01  0.1961240E-06  0.2149013E+01  0.2531132E+01 -0.5229973E+02  0.8051558E+06              Line 10( 62) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.6200000E+01  0.1063797E-06  0.2140627E+01 -0.1502251E+01 -0.2836792E+02  0.8051558E+06              Line 10( 63) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.6300000E+01  0.4322193E-07  0.1848563E+01 -0.3496939E+01 -0.1152585E+02  0.8051558E+06              Line 10( 64) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.6400000E+01  0.3023214E-08  0.1441239E+01 -0.4113541E+01 -0.8061905E+00  0.8051558E+06              Line 10( 65) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.6500000E+01 -0.1927537E-07  0.1025854E+01 -0.3896846E+01  0.5140100E+01  0.8051558E+06              Line 10( 66) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.6600000E+01 -0.2883290E-07  0.6618702E+00 -0.3255402E+01  0.7688773E+01  0.8051558E+06              Line 10( 67) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.6700000E+01 -0.3017002E-07  0.3747739E+00 -0.2468696E+01  0.8045340E+01  0.8051558E+06              Line 10( 68) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.6800000E+01 -0.2685248E-07  0.1681309E+00 -0.1708396E+01  0.7160660E+01  0.8051558E+06              Line 10( 69) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.6900000E+01 -0.2144675E-07  0.3309460E-01 -0.1064407E+01  0.5719132E+01  0.8051558E+06              Line 10( 70) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.7000000E+01 -0.1562999E-07 -0.4475042E-01 -0.5700503E+00  0.4167996E+01  0.8051558E+06              Line 10( 71) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.7100000E+01 -0.1036902E-07 -0.8091547E-01 -0.2233969E+00  0.2765072E+01  0.8051558E+06              Line 10( 72) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.7200000E+01 -0.6113025E-08 -0.8942980E-01 -0.3636311E-02  0.1630140E+01  0.8051558E+06              Line 10( 73) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.7300000E+01 -0.2967742E-08 -0.8164274E-01  0.1174406E+00  0.7913978E+00  0.8051558E+06              Line 10( 74) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.7400000E+01 -0.8364584E-09 -0.6594169E-01  0.1681632E+00  0.2230556E+00  0.8051558E+06              Line 10( 75) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.7500000E+01  0.4758322E-09 -0.4801009E-01  0.1729716E+00 -0.1268886E+00  0.8051558E+06              Line 10( 76) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.7600000E+01  0.1191840E-08 -0.3134737E-01  0.1507360E+00 -0.3178239E+00  0.8051558E+06              Line 10( 77) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.7700000E+01  0.1518514E-08 -0.1786289E-01  0.1145979E+00 -0.4049371E+00  0.8051558E+06              Line 10( 78) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.7800000E+01  0.1623332E-08 -0.8427787E-02  0.7270663E-01 -0.4328886E+00  0.8051558E+06              Line 10( 79) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.7900000E+01  0.1623478E-08 -0.3321568E-02  0.2941582E-01 -0.4329274E+00  0.8051558E+06              Line 10( 80) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.8000000E+01  0.1582370E-08 -0.2544623E-02  0.7347488E-02 -0.8439304E-02  0.8051558E+06              Line 10( 81) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.8100000E+01  0.1509657E-08 -0.1852070E-02  0.6422304E-02 -0.1006438E-01  0.8051558E+06              Line 10( 82) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.8200000E+01  0.1413942E-08 -0.1260162E-02  0.5447771E-02 -0.9426280E-02  0.8051558E+06              Line 10( 83) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.8300000E+01  0.1302576E-08 -0.7625162E-03  0.4542265E-02 -0.8683839E-02  0.8051558E+06              Line 10( 84) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.8400000E+01  0.1181739E-08 -0.3517089E-03  0.3714159E-02 -0.7878262E-02  0.8051558E+06              Line 10( 85) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.8500000E+01  0.1056534E-08 -0.1968430E-04  0.2968068E-02 -0.7043563E-02  0.8051558E+06              Line 10( 86) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.8600000E+01  0.9310851E-09  0.2419047E-03  0.2305528E-02 -0.6207234E-02  0.8051558E+06              Line 10( 87) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.8700000E+01  0.8086403E-09  0.4414214E-03  0.1725620E-02 -0.5390935E-02  0.8051558E+06              Line 10( 88) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.8800000E+01  0.6916779E-09  0.5870287E-03  0.1225514E-02 -0.4611186E-02  0.8051558E+06              Line 10( 89) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.8900000E+01  0.5820063E-09  0.6865242E-03  0.8009525E-03 -0.3880042E-02  0.8051558E+06              Line 10( 90) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.9000000E+01  0.4808614E-09  0.7472192E-03  0.4466632E-03 -0.3205742E-02  0.8051558E+06              Line 10( 91) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.9100000E+01  0.3889969E-09  0.7758568E-03  0.1567105E-03 -0.2593312E-02  0.8051558E+06              Line 10( 92) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.9200000E+01  0.3067684E-09  0.7785613E-03 -0.7521126E-04 -0.2045123E-02  0.8051558E+06              Line 10( 93) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.9300000E+01  0.2342097E-09  0.7608146E-03 -0.2555373E-03 -0.1561398E-02  0.8051558E+06              Line 10( 94) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.9400000E+01  0.1711003E-09  0.7274538E-03 -0.3906407E-03 -0.1140669E-02  0.8051558E+06              Line 10( 95) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.9500000E+01  0.1170258E-09  0.6826864E-03 -0.4866827E-03 -0.7801721E-03  0.8051558E+06              Line 10( 96) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.9600000E+01  0.7143026E-10  0.6301173E-03 -0.5495014E-03 -0.4762017E-03  0.8051558E+06              Line 10( 97) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.9700000E+01  0.3366073E-10  0.5727861E-03 -0.5845317E-03 -0.2244049E-03  0.8051558E+06              Line 10( 98) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.9800000E+01  0.3005190E-11  0.5132110E-03 -0.5967537E-03 -0.2003460E-04  0.8051558E+06              Line 10( 99) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.9900000E+01 -0.2127630E-10  0.4534354E-03 -0.5906633E-03  0.1418420E-03  0.8051558E+06              Line 10(100) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1000000E+02 -0.3992614E-10  0.3950783E-03 -0.5702625E-03  0.2661742E-03  0.8051558E+06              Line 10(101) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1010000E+02 -0.5366912E-10  0.3393829E-03 -0.5390641E-03  0.3577941E-03  0.8051558E+06              Line 10(102) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1020000E+02 -0.6319698E-10  0.2872655E-03 -0.5001087E-03  0.4213132E-03  0.8051558E+06              Line 10(103) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1030000E+02 -0.6915702E-10  0.2393612E-03 -0.4559907E-03  0.4610468E-03  0.8051558E+06              Line 10(104) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1040000E+02 -0.7214420E-10  0.1960673E-03 -0.4088903E-03  0.4809614E-03  0.8051558E+06              Line 10(105) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1050000E+02 -0.7269624E-10  0.1575831E-03 -0.3606102E-03  0.4846416E-03  0.8051558E+06              Line 10(106) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1060000E+02 -0.7129110E-10  0.1239453E-03 -0.3126144E-03  0.4752740E-03  0.8051558E+06              Line 10(107) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1070000E+02 -0.6834657E-10  0.9506023E-04 -0.2660685E-03  0.4556438E-03  0.8051558E+06              Line 10(108) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1080000E+02 -0.6422139E-10  0.7073160E-04 -0.2218792E-03  0.4281426E-03  0.8051558E+06              Line 10(109) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1090000E+02 -0.5921773E-10  0.5068439E-04 -0.1807328E-03  0.3947848E-03  0.8051558E+06              Line 10(110) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1100000E+02 -0.5358457E-10  0.3458503E-04 -0.1431320E-03  0.3572304E-03  0.8051558E+06              Line 10(111) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1110000E+02 -0.4752186E-10  0.2205798E-04 -0.1094299E-03  0.3168124E-03  0.8051558E+06              Line 10(112) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1120000E+02 -0.4118520E-10  0.1269905E-04 -0.7986088E-04  0.2745680E-03  0.8051558E+06              Line 10(113) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1130000E+02 -0.3469081E-10  0.6085807E-05 -0.5456888E-04  0.2312721E-03  0.8051558E+06              Line 10(114) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1140000E+02 -0.2812084E-10  0.1785279E-05 -0.3363166E-04  0.1874723E-03  0.8051558E+06              Line 10(115) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1150000E+02 -0.2152870E-10 -0.6405253E-06 -0.1708181E-04  0.1435247E-03  0.8051558E+06              Line 10(116) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1160000E+02 -0.1494451E-10 -0.1631083E-05 -0.4924076E-05  0.9963007E-04  0.8051558E+06              Line 10(117) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1170000E+02 -0.8380580E-11 -0.1625340E-05  0.2850954E-05  0.5587053E-04  0.8051558E+06              Line 10(118) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1180000E+02 -0.1836836E-11 -0.1060892E-05  0.6256760E-05  0.1224558E-04  0.8051558E+06              Line 10(119) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1190000E+02  0.4693731E-11 -0.3739885E-06  0.5304462E-05 -0.3129154E-04  0.8051558E+06              Line 10(120) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1200000E+02  0.1121965E-10  0.0000000E+00  0.0000000E+00 -0.7479769E-04  0.8051558E+06              Line 10(121) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
    0                                                                                                   Line 11: Num. points on Ytop vs. Length curve for load case 1
  0.0000000E+00  0.2523035E-02 -0.8832307E+03  0.5000000E+03  0.0000000E+00  0.8051558E+06              Line 10(  1) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1000000E+00  0.2517551E-02 -0.8332307E+03  0.4997952E+03 -0.4095216E+01  0.8051558E+06              Line 10(  2) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.2000000E+00  0.2501717E-02 -0.7832717E+03  0.4991835E+03 -0.8138920E+01  0.8051558E+06              Line 10(  3) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.3000000E+00  0.2476155E-02 -0.7333940E+03  0.4981724E+03 -0.1208364E+02  0.8051558E+06              Line 10(  4) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.4000000E+00  0.2441485E-02 -0.6836372E+03  0.4967739E+03 -0.1588593E+02  0.8051558E+06              Line 10(  5) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.5000000E+00  0.2398324E-02 -0.6340393E+03  0.4950043E+03 -0.1950637E+02  0.8051558E+06              Line 10(  6) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.6000000E+00  0.2347288E-02 -0.5846364E+03  0.4928835E+03 -0.2290953E+02  0.8051558E+06              Line 10(  7) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.7000000E+00  0.2288991E-02 -0.5354626E+03  0.4904348E+03 -0.2606397E+02  0.8051558E+06              Line 10(  8) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.8000000E+00  0.2224043E-02 -0.4865494E+03  0.4876845E+03 -0.2894221E+02  0.8051558E+06              Line 10(  9) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.9000000E+00  0.2153053E-02 -0.4379256E+03  0.4846614E+03 -0.3152069E+02  0.8051558E+06              Line 10( 10) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1000000E+01  0.2076623E-02 -0.3896171E+03  0.4813964E+03 -0.3377974E+02  0.8051558E+06              Line 10( 11) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1100000E+01  0.1995355E-02 -0.3416464E+03  0.4779222E+03 -0.3570355E+02  0.8051558E+06              Line 10( 12) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1200000E+01  0.1909843E-02 -0.2940327E+03  0.4742730E+03 -0.3728014E+02  0.8051558E+06              Line 10( 13) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1300000E+01  0.1820679E-02 -0.2467918E+03  0.4704839E+03 -0.3850130E+02  0.8051558E+06              Line 10( 14) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1400000E+01  0.1728451E-02 -0.1999359E+03  0.4665908E+03 -0.3936258E+02  0.8051558E+06              Line 10( 15) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1500000E+01  0.1633739E-02 -0.1534736E+03  0.4626295E+03 -0.3986323E+02  0.8051558E+06              Line 10( 16) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1600000E+01  0.1537121E-02 -0.1074100E+03  0.4586360E+03 -0.4000613E+02  0.8051558E+06              Line 10( 17) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1700000E+01  0.1439169E-02 -0.6174642E+02  0.4546458E+03 -0.3979781E+02  0.8051558E+06              Line 10( 18) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1800000E+01  0.1340450E-02 -0.1648083E+02  0.4506935E+03 -0.3924837E+02  0.8051558E+06              Line 10( 19) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1900000E+01  0.1241526E-02  0.2839228E+02  0.4468125E+03 -0.3837143E+02  0.8051558E+06              Line 10( 20) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.2000000E+01  0.1142955E-02  0.7288167E+02  0.4430347E+03 -0.3718414E+02  0.8051558E+06              Line 10( 21) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.2100000E+01  0.1045289E-02  0.1169992E+03  0.4393902E+03 -0.3570708E+02  0.8051558E+06              Line 10( 22) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.2200000E+01  0.9490764E-03  0.1607597E+03  0.4359066E+03 -0.3396428E+02  0.8051558E+06              Line 10( 23) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.2300000E+01  0.8548603E-03  0.2041805E+03  0.4326092E+03 -0.3198317E+02  0.8051558E+06              Line 10( 24) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.2400000E+01  0.7631801E-03  0.2472815E+03  0.4295203E+03 -0.2979455E+02  0.8051558E+06              Line 10( 25) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.2500000E+01  0.6745712E-03  0.2900846E+03  0.4266590E+03 -0.2743256E+02  0.8051558E+06              Line 10( 26) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.2600000E+01  0.5895650E-03  0.3326133E+03  0.4240406E+03 -0.2493467E+02  0.8051558E+06              Line 10( 27) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.2700000E+01  0.5086900E-03  0.3748927E+03  0.4216768E+03 -0.2234166E+02  0.8051558E+06              Line 10( 28) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.2800000E+01  0.4324710E-03  0.4169487E+03  0.4195748E+03 -0.1969761E+02  0.8051558E+06              Line 10( 29) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.2900000E+01  0.3614306E-03  0.4588077E+03  0.4177375E+03 -0.1704989E+02  0.8051558E+06              Line 10( 30) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.3000000E+01  0.2960885E-03  0.5004962E+03  0.3597436E+03 -0.1142827E+04  0.8051558E+06              Line 10( 31) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.3100000E+01  0.2369626E-03  0.5307564E+03  0.2401474E+03 -0.1249098E+04  0.8051558E+06              Line 10( 32) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.3200000E+01  0.1844286E-03  0.5485257E+03  0.1111320E+03 -0.1331209E+04  0.8051558E+06              Line 10( 33) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.3300000E+01  0.1387073E-03  0.5529828E+03 -0.2477006E+02 -0.1386833E+04  0.8051558E+06              Line 10( 34) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.3400000E+01  0.9985407E-04  0.5435717E+03 -0.1647621E+03 -0.1413008E+04  0.8051558E+06              Line 10( 35) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.3500000E+01  0.6775193E-04  0.5200304E+03 -0.3056886E+03 -0.1405521E+04  0.8051558E+06              Line 10( 36) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.3600000E+01  0.4210855E-04  0.4824339E+03 -0.4438314E+03 -0.1357337E+04  0.8051558E+06              Line 10( 37) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.3700000E+01  0.2245698E-04  0.4312641E+03 -0.5743783E+03 -0.1253600E+04  0.8051558E+06              Line 10( 38) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.3800000E+01  0.8161690E-05  0.3675583E+03 -0.6624233E+03 -0.5073011E+03  0.8051558E+06              Line 10( 39) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.3900000E+01 -0.1568543E-05  0.2987795E+03 -0.6825425E+03  0.1049181E+03  0.8051558E+06              Line 10( 40) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.4000000E+01 -0.7587948E-05  0.2310498E+03 -0.6500986E+03  0.5439591E+03  0.8051558E+06              Line 10( 41) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.4100000E+01 -0.1073773E-04  0.1687597E+03 -0.5818012E+03  0.8219883E+03  0.8051558E+06              Line 10( 42) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.4200000E+01 -0.1179151E-04  0.1146896E+03 -0.4926623E+03  0.9607900E+03  0.8051558E+06              Line 10( 43) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.4300000E+01 -0.1142086E-04  0.7022727E+02 -0.3952405E+03  0.9876462E+03  0.8051558E+06              Line 10( 44) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.4400000E+01 -0.1017799E-04  0.3564145E+02 -0.2992740E+03  0.9316843E+03  0.8051558E+06              Line 10( 45) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.4500000E+01 -0.8492457E-05  0.1037248E+02 -0.2116429E+03  0.8209375E+03  0.8051558E+06              Line 10( 46) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.4600000E+01 -0.6678096E-05 -0.6687124E+01 -0.1365844E+03  0.6802314E+03  0.8051558E+06              Line 10( 47) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.4700000E+01 -0.4946788E-05 -0.1694441E+02 -0.7607803E+02  0.5298967E+03  0.8051558E+06              Line 10( 48) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.4800000E+01 -0.3425930E-05 -0.2190273E+02 -0.3032186E+02  0.3852268E+03  0.8051558E+06              Line 10( 49) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.4900000E+01 -0.2177102E-05 -0.2300878E+02  0.1766465E+01  0.2565397E+03  0.8051558E+06              Line 10( 50) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.5000000E+01 -0.1214042E-05 -0.2154944E+02  0.2207755E+02  0.1496819E+03  0.8051558E+06              Line 10( 51) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.5100000E+01 -0.5186257E-06 -0.1859327E+02  0.3290198E+02  0.6680667E+02  0.8051558E+06              Line 10( 52) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.5200000E+01 -0.5413666E-07 -0.1496904E+02  0.3660612E+02  0.7276145E+01  0.8051558E+06              Line 10( 53) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.5300000E+01  0.2244375E-06 -0.1127205E+02  0.3539821E+02 -0.3143418E+02  0.8051558E+06              Line 10( 54) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.5400000E+01  0.3630133E-06 -0.7889399E+01  0.3118054E+02 -0.5291928E+02  0.8051558E+06              Line 10( 55) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.5500000E+01  0.4036032E-06 -0.5035941E+01  0.2547600E+02 -0.6117162E+02  0.8051558E+06              Line 10( 56) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.5600000E+01  0.3816468E-06 -0.2794200E+01  0.1941356E+02 -0.6007718E+02  0.8051558E+06              Line 10( 57) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.5700000E+01  0.3249867E-06 -0.1153230E+01  0.1375564E+02 -0.5308115E+02  0.8051558E+06              Line 10( 58) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.5800000E+01  0.2540034E-06 -0.4307203E-01  0.9013109E+01 -0.4176945E+02  0.8051558E+06              Line 10( 59) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.5900000E+01  0.1824852E-06  0.6493916E+00  0.5414064E+01 -0.3021144E+02  0.8051558E+06              Line 10( 60) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.6000000E+01  0.1190324E-06  0.1039741E+01  0.2316393E+01 -0.3174198E+02  0.8051558E+06              Line 10( 61) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.6100000E+01  0.6849318E-07  0.1112670E+01 -0.1839482E+00 -0.1826485E+02  0.8051558E+06              Line 10( 62) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.6200000E+01  0.3177325E-07  0.1002951E+01 -0.1520834E+01 -0.8472867E+01  0.8051558E+06              Line 10( 63) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.6300000E+01  0.7509930E-08  0.8085035E+00 -0.2044610E+01 -0.2002648E+01  0.8051558E+06              Line 10( 64) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.6400000E+01 -0.6711813E-08  0.5940293E+00 -0.2055251E+01  0.1789817E+01  0.8051558E+06              Line 10( 65) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.6500000E+01 -0.1355574E-07  0.3974532E+00 -0.1785017E+01  0.3614864E+01  0.8051558E+06              Line 10( 66) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.6600000E+01 -0.1546331E-07  0.2370258E+00 -0.1398097E+01  0.4123551E+01  0.8051558E+06              Line 10( 67) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.6700000E+01 -0.1442704E-07  0.1178339E+00 -0.9995585E+00  0.3847210E+01  0.8051558E+06              Line 10( 68) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.6800000E+01 -0.1192727E-07  0.3711411E-01 -0.6481677E+00  0.3180606E+01  0.8051558E+06              Line 10( 69) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.6900000E+01 -0.8966550E-08 -0.1179963E-01 -0.3695834E+00  0.2391080E+01  0.8051558E+06              Line 10( 70) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.7000000E+01 -0.6152378E-08 -0.3680257E-01 -0.1679977E+00  0.1640634E+01  0.8051558E+06              Line 10( 71) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.7100000E+01 -0.3795292E-08 -0.4539916E-01 -0.3536208E-01  0.1012078E+01  0.8051558E+06              Line 10( 72) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.7200000E+01 -0.2002062E-08 -0.4387498E-01  0.4193599E-01  0.5338833E+00  0.8051558E+06              Line 10( 73) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.7300000E+01 -0.7537577E-09 -0.3701197E-01  0.7868025E-01  0.2010021E+00  0.8051558E+06              Line 10( 74) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.7400000E+01  0.3485987E-10 -0.2813893E-01  0.8826556E-01 -0.9295966E-02  0.8051558E+06              Line 10( 75) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.7500000E+01  0.4739932E-09 -0.1935885E-01  0.8148085E-01 -0.1263982E+00  0.8051558E+06              Line 10( 76) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.7600000E+01  0.6726904E-09 -0.1184276E-01  0.6619174E-01 -0.1793841E+00  0.8051558E+06              Line 10( 77) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.7700000E+01  0.7243011E-09 -0.6120508E-02  0.4756518E-01 -0.1931469E+00  0.8051558E+06              Line 10( 78) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.7800000E+01  0.6998953E-09 -0.2329724E-02  0.2857590E-01 -0.1866387E+00  0.8051558E+06              Line 10( 79) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.7900000E+01  0.6465544E-09 -0.4053281E-03  0.1062324E-01 -0.1724145E+00  0.8051558E+06              Line 10( 80) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.8000000E+01  0.5881794E-09 -0.2050770E-03  0.1845663E-02 -0.3136957E-02  0.8051558E+06              Line 10( 81) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.8100000E+01  0.5272573E-09 -0.3619553E-04  0.1513063E-02 -0.3515049E-02  0.8051558E+06              Line 10( 82) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.8200000E+01  0.4658857E-09  0.9753547E-04  0.1182015E-02 -0.3105905E-02  0.8051558E+06              Line 10( 83) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.8300000E+01  0.4057255E-09  0.2002074E-03  0.8914778E-03 -0.2704836E-02  0.8051558E+06              Line 10( 84) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.8400000E+01  0.3480518E-09  0.2758310E-03  0.6402187E-03 -0.2320345E-02  0.8051558E+06              Line 10( 85) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.8500000E+01  0.2938039E-09  0.3282512E-03  0.4262668E-03 -0.1958693E-02  0.8051558E+06              Line 10( 86) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.8600000E+01  0.2436330E-09  0.3610844E-03  0.2471212E-03 -0.1624220E-02  0.8051558E+06              Line 10( 87) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.8700000E+01  0.1979466E-09  0.3776754E-03  0.9992797E-04 -0.1319644E-02  0.8051558E+06              Line 10( 88) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.8800000E+01  0.1569510E-09  0.3810700E-03 -0.1837123E-04 -0.1046340E-02  0.8051558E+06              Line 10( 89) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.8900000E+01  0.1206882E-09  0.3740012E-03 -0.1109176E-03 -0.8045883E-03  0.8051558E+06              Line 10( 90) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.9000000E+01  0.8907057E-10  0.3588865E-03 -0.1808373E-03 -0.5938038E-03  0.8051558E+06              Line 10( 91) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.9100000E+01  0.6191025E-10  0.3378337E-03 -0.2311642E-03 -0.4127350E-03  0.8051558E+06              Line 10( 92) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.9200000E+01  0.3894581E-10  0.3126536E-03 -0.2647829E-03 -0.2596387E-03  0.8051558E+06              Line 10( 93) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.9300000E+01  0.1986452E-10  0.2848771E-03 -0.2843863E-03 -0.1324301E-03  0.8051558E+06              Line 10( 94) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.9400000E+01  0.4321383E-11  0.2557764E-03 -0.2924483E-03 -0.2880922E-04  0.8051558E+06              Line 10( 95) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.9500000E+01 -0.8045020E-11  0.2263875E-03 -0.2912071E-03  0.5363347E-04  0.8051558E+06              Line 10( 96) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.9600000E+01 -0.1759970E-10  0.1975349E-03 -0.2826588E-03  0.1173313E-03  0.8051558E+06              Line 10( 97) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.9700000E+01 -0.2470101E-10  0.1698557E-03 -0.2685586E-03  0.1646734E-03  0.8051558E+06              Line 10( 98) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.9800000E+01 -0.2969271E-10  0.1438232E-03 -0.2504274E-03  0.1979514E-03  0.8051558E+06              Line 10( 99) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.9900000E+01 -0.3289814E-10  0.1197702E-03 -0.2295637E-03  0.2193209E-03  0.8051558E+06              Line 10(100) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1000000E+02 -0.3461602E-10  0.9791047E-04 -0.2070590E-03  0.2307735E-03  0.8051558E+06              Line 10(101) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1010000E+02 -0.3511786E-10  0.7835844E-04 -0.1838144E-03  0.2341191E-03  0.8051558E+06              Line 10(102) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1020000E+02 -0.3464650E-10  0.6114759E-04 -0.1605596E-03  0.2309766E-03  0.8051558E+06              Line 10(103) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1030000E+02 -0.3341568E-10  0.4624651E-04 -0.1378722E-03  0.2227712E-03  0.8051558E+06              Line 10(104) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1040000E+02 -0.3161048E-10  0.3357315E-04 -0.1161968E-03  0.2107366E-03  0.8051558E+06              Line 10(105) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1050000E+02 -0.2938831E-10  0.2300715E-04 -0.9586390E-04  0.1959221E-03  0.8051558E+06              Line 10(106) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1060000E+02 -0.2688039E-10  0.1440037E-04 -0.7710767E-04  0.1792026E-03  0.8051558E+06              Line 10(107) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1070000E+02 -0.2419361E-10  0.7585615E-05 -0.6008300E-04  0.1612908E-03  0.8051558E+06              Line 10(108) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1080000E+02 -0.2141263E-10  0.2383768E-05 -0.4488092E-04  0.1427509E-03  0.8051558E+06              Line 10(109) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1090000E+02 -0.1860204E-10 -0.1390569E-05 -0.3154270E-04  0.1240136E-03  0.8051558E+06              Line 10(110) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1100000E+02 -0.1580871E-10 -0.3924771E-05 -0.2007245E-04  0.1053914E-03  0.8051558E+06              Line 10(111) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1110000E+02 -0.1306414E-10 -0.5405059E-05 -0.1044817E-04  0.8709425E-04  0.8051558E+06              Line 10(112) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1120000E+02 -0.1038669E-10 -0.6014404E-05 -0.2631223E-05  0.6924461E-04  0.8051558E+06              Line 10(113) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1130000E+02 -0.7783944E-11 -0.5931304E-05  0.3425656E-05  0.5189296E-04  0.8051558E+06              Line 10(114) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1140000E+02 -0.5254863E-11 -0.5329273E-05  0.7771925E-05  0.3503242E-04  0.8051558E+06              Line 10(115) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1150000E+02 -0.2791972E-11 -0.4376919E-05  0.1045420E-04  0.1861314E-04  0.8051558E+06              Line 10(116) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1160000E+02 -0.3834414E-12 -0.3238433E-05  0.1151267E-04  0.2556276E-05  0.8051558E+06              Line 10(117) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1170000E+02  0.1984868E-11 -0.2074384E-05  0.1097887E-04 -0.1323245E-04  0.8051558E+06              Line 10(118) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1180000E+02  0.4327413E-11 -0.1042660E-05  0.8874772E-05 -0.2884942E-04  0.8051558E+06              Line 10(119) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1190000E+02  0.6657008E-11 -0.2994295E-06  0.5213298E-05 -0.4438006E-04  0.8051558E+06              Line 10(120) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1200000E+02  0.8982885E-11  0.0000000E+00  0.0000000E+00 -0.5988590E-04  0.8051558E+06              Line 10(121) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
    0                                                                                                   Line 11: Num. points on Ytop vs. Length curve for load case 2
  0.5000000E+03  0.9853932E-02  0.1215064E+04 -0.1331440E+04 -0.3904186E-02                             Line 13: TopV(kN) TopY(m), Max Moment(kN-m), Max Shear(kN), Rotation(rad)
  0.5000000E+03  0.2523035E-02 -0.8832307E+03 -0.6825425E+03  0.0000000E+00                             Line 13: TopV(kN) TopY(m), Max Moment(kN-m), Max Shear(kN), Rotation(rad)
    0    0    0                                                                                         Line 16: Number pushover steps computed, pushover BC type
    0  0.0000000E+00  0.0000000E+00                                                                     Line 18: Number of buckling points computed, Vtop, Mtop
